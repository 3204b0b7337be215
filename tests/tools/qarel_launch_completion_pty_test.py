#!/usr/bin/env python3
# qarel-launch's completion in an interactive bash on a pty, as a user meets
# it: a hostile file name completed and accepted runs nothing.
#   qarel_launch_completion_pty_test.py TOOL COMPLETION
import os, pty, select, shutil, signal, sys, tempfile, time

tool, completion = sys.argv[1:3]
folder = tempfile.mkdtemp()
os.mkdir(f"{folder}/tables")
open(f"{folder}/tables/$(touch PWNED) `touch PWNED` x;touch PWNED", "w").close()
pid, fd = pty.fork()
if pid == 0:
    os.chdir(folder)
    os.environ.update(TERM="dumb", INPUTRC="/dev/null",
                      PATH=os.path.dirname(tool) + ":" + os.environ["PATH"])
    os.execv("/bin/bash", ["bash", "--norc", "--noprofile", "-i"])


def says(typed, marker, seconds=5):
    """Whether the terminal shows `marker` within `seconds` of `typed`."""
    os.write(fd, typed)
    seen, end = b"", time.monotonic() + seconds
    while marker not in seen:
        if not select.select([fd], [], [], max(0, end - time.monotonic()))[0]:
            return False
        seen += os.read(fd, 4096)
    return True


says(f"PS1='<rea''dy>'; source '{completion}'\n".encode(), b"<ready>")
# The only name in tables/, completed by one TAB, then run: the commands in
# it would have run before the tool.
whole = says(b"qarel-launch options --table tables/\t\n", b"holds no options")
ran = os.path.exists(f"{folder}/PWNED")
os.kill(pid, signal.SIGKILL)
shutil.rmtree(folder)
sys.exit(None if whole and not ran else
         f"name passed whole: {whole}; a command in it ran: {ran}")
