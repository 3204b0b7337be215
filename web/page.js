'use strict';
// The page's script: it runs qarel-launch's own commands in the browser and
// shows what they print, always as text. What the tool prints is already
// masked and escaped; nothing here reads or rewords a link.

// Runs one command in a fresh module, as a new process would: the library's
// waiting key and the tool's streams start anew. `files` are written into
// the module's memory file system first.
async function run(args, files = {}) {
  const out = [];
  const err = [];
  const tool = await createQarelLaunch({
    print: (line) => out.push(line),
    printErr: (line) => err.push(line),
  });
  for (const [name, text] of Object.entries(files)) tool.FS.writeFile(name, text);
  const status = tool.callMain(args);
  const text = (lines) => lines.map((line) => line + '\n').join('');
  return {status, out: text(out), err: text(err)};
}

// Command-line text of double-quoted arguments, as compose writes it, into
// the arguments; each runs from one quote to the next.
function splitQuoted(text) {
  const args = [];
  const quoted = /"([^"]*)"/g;
  for (let match; (match = quoted.exec(text)) !== null;) args.push(match[1]);
  return args;
}

// The arguments typed or pasted: one per line, or a line of quoted ones.
function argumentsOf(text) {
  const lines = text.replace(/\r/g, '').split('\n');
  while (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();
  return lines.flatMap((line) => (line.startsWith('"') ? splitQuoted(line) : [line]));
}

const show = (id, text) => { document.getElementById(id).textContent = text; };

const kOutcomes = {
  0: 'Accepted: the client reads every argument.',
  1: 'Some arguments are refused: the client ignores them.',
  2: 'A launch link is malformed.',
  3: 'A self-check failed, which is a bug of this checker.',
};

async function check(event) {
  event.preventDefault();
  const table = document.getElementById('table-input').value;
  const args = ['parse', '--explain'];
  if (table.trim() !== '') args.push('--table', '/table.txt');
  args.push('--', ...argumentsOf(document.getElementById('check-input').value));
  try {
    const result = await run(args, {'/table.txt': table});
    const report = result.out.indexOf('\nShort ');
    show('check-explanation', report < 0 ? result.out : result.out.slice(0, report));
    show('check-table', report < 0 ? '' : result.out.slice(report + 1));
    show('check-notes', result.err);
    show('check-outcome', result.out === '' ? 'Not read: see the mistakes below.'
                                            : kOutcomes[result.status] || '');
  } catch (error) {
    show('check-notes', 'The checker failed: ' + error);
  }
}

async function compose(event) {
  event.preventDefault();
  const form = document.getElementById('compose-form');
  const args = ['compose'];
  for (const field of form.querySelectorAll('input, select')) {
    if (field.type === 'checkbox') {
      if (field.checked) args.push(field.name);
    } else if (field.value !== '') {
      args.push(field.name + '=' + field.value);
    }
  }
  const copy = document.getElementById('copy-button');
  try {
    const result = await run(args);
    show('compose-errors', result.err);
    show('copy-status', '');
    const link = result.status === 0 ? result.out.trim() : '';
    show('compose-link', link);
    copy.disabled = link === '';
    const readBack = link === '' ? null
                                 : await run(['parse', '--explain', '--', ...splitQuoted(link)]);
    show('compose-readback', readBack === null ? '' : readBack.out + readBack.err);
  } catch (error) {
    show('compose-errors', 'The composer failed: ' + error);
  }
}

async function copyLink() {
  try {
    await navigator.clipboard.writeText(document.getElementById('compose-link').textContent);
    show('copy-status', 'Copied.');
  } catch (error) {
    show('copy-status', 'Not copied: select the text and copy it.');
  }
}

document.getElementById('check-form').addEventListener('submit', check);
document.getElementById('compose-form').addEventListener('submit', compose);
document.getElementById('copy-button').addEventListener('click', copyLink);
