#!/usr/bin/env python3
"""qarel-launch's bash completion in an interactive bash on a pty, as a user
meets it: a hostile file name completed and accepted runs nothing, and
completing after a FIFO given as the table comes back at once.
  qarel_launch_completion_pty_test.py TOOL COMPLETION"""
import os
import pty
import select
import signal
import sys
import tempfile
import time

HOSTILE = "$(touch PWNED) `touch PWNED` x;touch PWNED"


def read_until(fd, marker, seconds):
    """What the pty printed up to `marker`, or None after `seconds`."""
    seen, end = b"", time.monotonic() + seconds
    while marker not in seen:
        left = end - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            return None
        try:
            seen += os.read(fd, 4096)
        except OSError:
            return None
    return seen


def main(tool, completion):
    failed = []
    with tempfile.TemporaryDirectory() as folder:
        os.mkdir(os.path.join(folder, "tables"))
        open(os.path.join(folder, "tables", HOSTILE), "w").close()
        os.mkfifo(os.path.join(folder, "fifo"))
        env = dict(os.environ, HOME=folder, TERM="dumb", INPUTRC="/dev/null",
                   PATH=os.path.dirname(tool) + ":" + os.environ["PATH"])
        pid, fd = pty.fork()
        if pid == 0:
            os.chdir(folder)
            os.execve("/bin/bash", ["bash", "--norc", "--noprofile", "-i"], env)
        os.write(fd, f"PS1='<ready>'; source '{completion}'\n".encode())
        read_until(fd, b"<ready>", 5)
        # The only name in tables/, completed by one TAB, then run.
        os.write(fd, b"qarel-launch options --table tables/\t\n")
        said = read_until(fd, b"holds no options", 5)
        if said is None:
            failed.append("the completed name did not reach the tool whole")
        read_until(fd, b"<ready>", 5)
        if os.path.exists(os.path.join(folder, "PWNED")):
            failed.append("accepting the completed name ran a command")
        # TAB after a FIFO as the table, then the line dropped (^U).
        start = time.monotonic()
        os.write(fd, b"qarel-launch parse --table fifo --ex\t\x15echo done\n")
        if read_until(fd, b"done\r\n", 3) is None:
            failed.append("completing after --table FIFO did not come back")
        print(f"completing after --table FIFO took "
              f"{time.monotonic() - start:.3f} s")
        # A reader still blocked on the FIFO is let go, then the shell.
        try:
            os.close(os.open(os.path.join(folder, "fifo"),
                             os.O_WRONLY | os.O_NONBLOCK))
        except OSError:
            pass
        os.kill(pid, signal.SIGKILL)
        os.waitpid(pid, 0)
    for failure in failed:
        print(failure)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
