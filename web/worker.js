// The checker's worker, after the module's own script: each message runs
// one qarel-launch command in a fresh module, as a new process would (the
// library's waiting key and the tool's streams start anew), and is answered
// under its number with what it printed, or with the error that stopped it.
// The arguments reach the module as a file, each ending in a NUL, never
// through its stack.
self.onmessage = async ({data: {id, args, files}}) => {
  const out = [];
  const err = [];
  try {
    const tool = await createQarelLaunch({
      print: (line) => out.push(line + '\n'),
      printErr: (line) => err.push(line + '\n'),
    });
    for (const [name, text] of Object.entries(files)) tool.FS.writeFile(name, text);
    tool.FS.writeFile('/arguments', args.map((arg) => arg + '\0').join(''));
    const status = tool.callMain([]);
    self.postMessage({id, status, out: out.join(''), err: err.join('')});
  } catch (error) {
    self.postMessage({id, error: String(error)});
  }
};
