#!/usr/bin/env python3
# check over a file that mixes every verdict, and every JSON output judged
# by the schema with a real validator and read by jq.
#   qarel_launch_json_test.py TOOL SCHEMA CLIENT_TABLE
import atexit, json, shutil, subprocess, sys, tempfile
import jsonschema

tool, schema, table = sys.argv[1:4]
folder = tempfile.mkdtemp()
atexit.register(shutil.rmtree, folder)
uri = "quorvane-qarel://"
lines = [uri + "h:900?sni=a%20b", uri + "h?colour=blue", uri + ":1?x",
         '"-l" "debug" "--host"', "quorvane-qarel:h=hush-1", "--address",
         "somehost", "a\0b", "\xff", "a" * 131073, "b" * 400000,
         uri + "h?sni=" + "s" * (131072 - 24) + "\r", "",
         uri + "h?connect-tag=hush-2&log-level=\x1bc"]
with open(f"{folder}/links", "wb") as f:
    f.write("\n".join(lines).encode("utf-8", "surrogateescape")
            .replace(b"\xc3\xbf", b"\xff"))


def run(*args, stdin=None):
    done = subprocess.run([tool, *args], capture_output=True, stdin=stdin,
                          cwd=folder, timeout=20)
    assert b"hush" not in done.stdout + done.stderr, done.stdout
    return done.returncode, done.stdout.decode()


status, text = run("check", "links")
assert status == 2, status
assert text == """\
1: accepted
2: refused: URI_opt:'colour': unknown key
3: malformed: an empty host makes the launch URI malformed; URI_opt:'x': \
unknown key
4: refused: CL_param:'host': unknown key
5: accepted: note: "quorvane-qarel:********" is ignored: no "//" after the \
scheme
6: accepted: note: address (-a) waits for a value that never came, and is \
not assigned
7: refused: CL_param:'somehost': unknown key
8: unreadable: holds a NUL byte
9: unreadable: is not UTF-8
10: unreadable: is longer than 131072 bytes
11: unreadable: is longer than 131072 bytes
12: accepted
14: refused: URI_opt:'connect-tag': a key a launch URI may not set
Summary: 4 accepted, 4 refused, 1 malformed, 4 unreadable.
""", text

# A folder is no file of links: said once, and nothing judged.
folder_run = subprocess.run([tool, "check", "."], capture_output=True,
                            cwd=folder, timeout=20)
assert folder_run.returncode == 2, folder_run
assert folder_run.stderr == b"qarel-launch: check: .: line 1: Is a directory\n"
assert folder_run.stdout.startswith(b"Summary: 0 accepted"), folder_run

validator = jsonschema.Draft202012Validator(json.load(open(schema)))
with open(f"{folder}/links") as links:
    status, jsonl = run("check", "--json", "-", stdin=links)
documents = [run("parse", "--json", "--open-log", ".", "-l", "3",
                 uri + "h?logfile=x.log&sni=%1b%7f")[1],
             run("parse", "--table", table, "--json", "-t", "hush-3", "-m",
                 uri + "h?ticket=hush-4&pin")[1],
             run("options", "--table", table, "--json")[1], *jsonl.split("\n")[:-1]]
for document in documents:
    validator.validate(json.loads(document))
assert len(documents) == 3 + 14, len(documents)
parsed = json.loads(documents[0])
assert parsed["event_log"] == {"logfile": "x.log", "written": "./x.log"}
assert {"key": "sni", "value": "\\x1b\\x7f"} in parsed["options"], parsed
assert '"key":"ticket","value":"********"' in documents[1], documents[1]
assert '"key":"pin","value":"True"' in documents[1], documents[1]
assert json.loads(documents[1])["notes"] == [
    "Deprecated Parameter 'multimon' (m) used."], documents[1]
assert '"short_key":"t","key":"ticket","switch":false,"default":""' in documents[2]
last = json.loads(documents[-1])
assert last == {"summary": {"accepted": 4, "refused": 4, "malformed": 1,
                            "unreadable": 4}, "status": 2}, last
assert "log-level=\\\\x1bc" in documents[-2], documents[-2]

jq = subprocess.run(["jq", "-r", 'select(.verdict == "refused") | "\\(.line) '
                     '\\(.events[] | select(.reason) | .key)"'],
                    input=jsonl, capture_output=True, text=True, check=True)
assert jq.stdout == "2 colour\n4 host\n7 somehost\n14 connect-tag\n", jq.stdout
