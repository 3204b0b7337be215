The EXAMPLES of qarel-launch(1): man_examples.py makes the section from the
lines below, the text and the commands; the tests run them with cram, in a
folder of their own, and require the output shown after each.

Read a launch as the standard client would:

  $ qarel-launch parse -l debug "quorvane-qarel://192.0.2.10:900?sni=desk%20pool"
  
  Short                       Long Key           Value Description
  -----                       --------           ----- -----------
     -a                        address      192.0.2.10 Host to connect to
     -p                           port             900 Port to connect to
                                   sni       desk pool TLS server name
     -l                      log-level           debug critical, error, info, debug or 0 to 5

Say what each argument and each part of the URI did, and why:

  $ qarel-launch parse --explain -l debug --bogus \
  >     "quorvane-qarel://192.0.2.10:900?full-screen&sni=a b" | head -5
  "-l": waits for the value of log-level (-l) in the next argument
  "debug": fills log-level (-l), which was waiting, = "debug"
  "--bogus": refused, CL_param:'bogus': unknown key
  "quorvane-qarel://192.0.2.10:900?full-screen&sni=a b":
    "192.0.2.10:900": sets address (-a) = "192.0.2.10"; sets port (-p) = "900"

Write a link, and see it refused when it would not read back:

  $ qarel-launch compose host=192.0.2.10 port=900 "sni=desk pool" use-smartcard
  "quorvane-qarel://192.0.2.10:900?full-screen&sni=desk%20pool&use-smartcard"
  $ qarel-launch compose host=::1
  qarel-launch: compose: host: an IPv6 address cannot be carried by a launch URI, whose reader ends the host at its first ":"; give a DNS name or an IPv4 address
  [2]

Read a launch with a client's own table, and write the event log that the
client would write, into a folder of one's own:

  $ qarel-launch options --as-table > shop.txt
  $ mkdir logs
  $ qarel-launch parse --table shop.txt --open-log logs \
  >     "quorvane-qarel://desk.example?logfile=client.log" | tail -1
  Event log: the client would write "client.log"; qarel-launch wrote "logs/client.log".

Check a file of links, then list the refused ones with their keys:

  $ qarel-launch compose host=desk.example sni=pool > links.txt
  $ echo "quorvane-qarel://desk.example?colour=blue" >> links.txt
  $ qarel-launch check links.txt
  1: accepted
  2: refused: URI_opt:'colour': unknown key
  Summary: 1 accepted, 1 refused, 0 malformed, 0 unreadable.
  [1]
  $ qarel-launch check --json links.txt |
  >     jq -r 'select(.verdict == "refused") | "\(.line) \(.rejected[])"'
  2 URI_opt:'colour'
