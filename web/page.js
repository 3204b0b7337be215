'use strict';
// The page's script: it runs qarel-launch's own commands in a worker, so the
// page never freezes, and shows what they print, always as text. What the
// tool prints is already masked and escaped; nothing here rewords a link.

// The most input one check or compose takes, in UTF-8 bytes: far above what
// a client is ever handed (Linux passes at most 128 KiB in one argument),
// and far below what the module's memory holds.
const kMaxInputBytes = 4 * 1024 * 1024;

// One worker, started from the source that checker.js carries, and started
// anew whenever it fails. Each request is answered under its own number.
let worker = null;
let nextRequest = 0;
const pending = new Map();

function failAll(error) {
  for (const {reject} of pending.values()) reject(error);
  pending.clear();
  worker.terminate();
  worker = null;
}

function startWorker() {
  const source = URL.createObjectURL(new Blob([kCheckerSource], {type: 'text/javascript'}));
  worker = new Worker(source);
  URL.revokeObjectURL(source);
  worker.onmessage = ({data}) => {
    if (data.error !== undefined) {
      failAll(data.error);
      return;
    }
    pending.get(data.id).resolve(data);
    pending.delete(data.id);
  };
  worker.onerror = (event) => failAll(event.message || 'the worker stopped');
}

// Runs one command as a new process would: {status, out, err}. `files` are
// written into the module's memory file system first.
function run(args, files = {}) {
  if (worker === null) startWorker();
  const id = nextRequest++;
  return new Promise((resolve, reject) => {
    pending.set(id, {resolve, reject});
    worker.postMessage({id, args, files});
  });
}

// Why `args` are too much to run, or ''.
function overLimit(args) {
  const bytes = new TextEncoder().encode(args.join('\0')).length;
  return bytes <= kMaxInputBytes ? '' :
    `This checker takes at most 4 MiB (${kMaxInputBytes.toLocaleString('en')} bytes) ` +
    `of input, and this holds ${bytes.toLocaleString('en')}; no client is handed ` +
    'that much (Linux passes at most 128 KiB in one argument).';
}

// Compose's quoted form, "…" "…": a line is read that way only when all of
// it is that form.
const kQuotedLine = /^"[^"]*"(?: "[^"]*")*$/;

function splitQuoted(line) {
  return line.slice(1, -1).split('" "');
}

// The arguments typed or pasted, one per line as the tool's argv holds
// them, with a note for each line that starts with a quote but is read as
// it stands.
function argumentsOf(text) {
  const lines = text.split(/\r?\n/);
  while (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();
  const args = [];
  const notes = [];
  lines.forEach((line, i) => {
    if (kQuotedLine.test(line)) {
      args.push(...splitQuoted(line));
      return;
    }
    args.push(line);
    if (!line.startsWith('"')) return;
    const unclosed = (line.match(/"/g).length % 2) === 1;
    notes.push(`Line ${i + 1} ${unclosed ? 'opens a quote it does not close' :
      'is not compose\'s quoted form ("…" "…")'}: it is read as one argument, as it stands.\n`);
  });
  return {args, notes: notes.join('')};
}

// A line longer than this is shown cut short, with the count of what is
// left out: laying out megabytes of one line would hold the page for
// seconds, and no one reads it there.
const kMaxLineShown = 4096;

function shortened(text) {
  if (text.length <= kMaxLineShown) return text;
  return text.split('\n').map((line) => (line.length <= kMaxLineShown ? line :
    line.slice(0, kMaxLineShown) +
    ` … (${(line.length - kMaxLineShown).toLocaleString('en')} more characters not shown)`))
    .join('\n');
}

const element = (id) => document.getElementById(id);
const show = (id, text) => { element(id).textContent = shortened(text); };
const clear = (...ids) => ids.forEach((id) => show(id, ''));

const kOutcomes = {
  0: 'Accepted: the client reads every argument.',
  1: 'Some arguments are refused: the client ignores them.',
  2: 'A launch link is malformed.',
  3: 'A self-check failed, which is a bug of this checker.',
};

// Why the typed text cannot be checked, or ''.
function unreadable(text) {
  if (text.trim() === '') {
    return 'There is nothing to check: paste a launch link, or launch arguments one per line.';
  }
  const nul = text.indexOf('\0');
  if (nul < 0) return '';
  const line = text.slice(0, nul).split('\n').length;
  return `Line ${line} holds a NUL byte, which no launch argument can hold; nothing was checked.`;
}

// Runs `work` with `button` disabled and `busy` said in `status`.
async function whileBusy(button, status, busy, work) {
  button.disabled = true;
  show(status, busy);
  try {
    await work();
  } finally {
    button.disabled = false;
  }
}

async function check(event) {
  event.preventDefault();
  clear('check-outcome', 'check-explanation', 'check-table', 'check-notes');
  const text = element('check-input').value;
  const table = element('table-input').value;
  const {args, notes} = argumentsOf(text);
  const own = table.trim() !== '';
  const command = ['parse', '--explain', ...(own ? ['--table', '/table.txt'] : []), '--', ...args];
  const refused = unreadable(text) || overLimit(command);
  if (refused !== '') {
    show('check-outcome', refused);
    return;
  }
  await whileBusy(element('check-button'), 'check-outcome', 'Checking…', async () => {
    try {
      const result = await run(command, own ? {'/table.txt': table} : {});
      const report = result.out.indexOf('\nShort ');
      show('check-explanation', report < 0 ? result.out : result.out.slice(0, report));
      show('check-table', report < 0 ? '' : result.out.slice(report + 1));
      show('check-notes', notes + result.err);
      show('check-outcome', (result.out === '' ? 'Not read: see the mistakes below.'
                                               : kOutcomes[result.status] || '') +
           (own ? ' Read with the client\'s own option table given above.' : ''));
    } catch (error) {
      show('check-outcome', 'The checker failed: ' + error);
    }
  });
}

async function compose(event) {
  event.preventDefault();
  clear('compose-outcome', 'compose-errors', 'compose-link', 'compose-readback', 'copy-status');
  const copy = element('copy-button');
  copy.disabled = true;
  const args = ['compose'];
  for (const field of element('compose-form').querySelectorAll('input, select')) {
    if (field.type === 'checkbox') {
      if (field.checked) args.push(field.name);
    } else if (field.value !== '') {
      args.push(field.name + '=' + field.value);
    }
  }
  const refused = overLimit(args);
  if (refused !== '') {
    show('compose-outcome', refused);
    return;
  }
  await whileBusy(element('compose-button'), 'compose-outcome', 'Composing…', async () => {
    try {
      const result = await run(args);
      show('compose-errors', result.err);
      const link = result.status === 0 ? result.out.trim() : '';
      if (link === '') {
        show('compose-outcome', 'Not composed: see the mistakes above.');
        return;
      }
      const readBack = await run(['parse', '--explain', '--', ...splitQuoted(link)]);
      show('compose-link', link);
      show('compose-readback', readBack.out + readBack.err);
      show('compose-outcome', 'Composed, and read back as the client reads it.');
      copy.disabled = false;
    } catch (error) {
      clear('compose-errors', 'compose-link', 'compose-readback');
      show('compose-outcome', 'The composer failed: ' + error);
    }
  });
}

async function copyLink() {
  try {
    await navigator.clipboard.writeText(element('compose-link').textContent);
    show('copy-status', 'Copied.');
  } catch (error) {
    show('copy-status', 'Not copied: select the text and copy it.');
  }
}

element('check-form').addEventListener('submit', check);
element('compose-form').addEventListener('submit', compose);
element('copy-button').addEventListener('click', copyLink);
