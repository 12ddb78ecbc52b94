// The module answers every line of each key script exactly as the native console does.
// node ConsoleEquality.mjs SITE/dazi-core.js NATIVE_BIN SCRIPTS_DIR
// Each script (one console line a line) runs in a fresh native console on a fresh data folder
// and in a fresh module whose user folder is empty; lesson times are left out of the comparison.
// The user files each side leaves must be the same too.
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';

const [coreJs, nativeBin, scriptsDir] = process.argv.slice(2);
if (!scriptsDir) {
  console.error('usage: node ConsoleEquality.mjs dazi-core.js NATIVE_BIN SCRIPTS_DIR');
  process.exit(2);
}
const createDaziCore = createRequire(import.meta.url)(path.resolve(coreJs));
const wasmBinary = fs.readFileSync(coreJs.replace(/\.js$/, '.wasm'));
const dictionaries = fs.readdirSync(nativeBin).filter((name) => /^srf_pub\.(zc|py|pys|lm|cpy|zy|ngm)$/.test(name));

async function moduleAnswers(lines) {
  const core = await createDaziCore({ wasmBinary, print: () => {}, printErr: (t) => console.error(t) });
  core.FS.mkdir('/dict');
  core.FS.mount(core.NODEFS, { root: nativeBin }, '/dict');
  const answers = [core.ccall('dazi_start', 'string', ['string', 'string', 'string'], ['/dict', '/user', '/dict/lessons'])];
  for (const line of lines) answers.push(core.ccall('dazi_send', 'string', ['string'], [line]));
  const files = {};
  for (const name of core.FS.readdir('/user')) {
    if (USER_FILE.test(name)) files[name] = Buffer.from(core.FS.readFile(`/user/${name}`));
  }
  return { answers, files };
}

// The user files both sides write: the same bytes, and a lesson history on both or neither (its
// rows hold times).
const USER_FILE = /^(srf_pub\.(usr|dat|lrn)|srf_pykx\.set|srf_sentence\.set|dazi-history\.sqlite)$/;
function sameFiles(native, web) {
  const names = [...new Set([...Object.keys(native), ...Object.keys(web)])].sort();
  for (const name of names) {
    if (!native[name] || !web[name]) return `${name} only ${native[name] ? 'natively' : 'in the module'}`;
    if (!name.endsWith('.sqlite') && !native[name].equals(web[name])) return `${name} differs`;
  }
  return null;
}

function nativeAnswers(lines) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'dazi-web-equality-'));
  try {
    for (const name of dictionaries) fs.symlinkSync(path.join(nativeBin, name), path.join(folder, name));
    // The empty first line answers the state at start, as the module's start does.
    const run = spawnSync(path.join(nativeBin, 'dazi-console'), ['--data', folder], {
      input: ['', ...lines].join('\n') + '\n',
      encoding: 'utf8',
      maxBuffer: 256 << 20,
    });
    if (run.status !== 0) throw new Error(`dazi-console failed (${run.status}): ${run.stderr}`);
    const files = {};
    for (const name of fs.readdirSync(folder)) {
      if (USER_FILE.test(name)) files[name] = fs.readFileSync(path.join(folder, name));
    }
    return { answers: run.stdout.split('\n').slice(0, lines.length + 1), files };
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

// Lesson clocks run on each side's own time: the figures made of it are left out.
const TIMED = new Set(['seconds', 'cpm', 'keys_per_second']);
function comparable(answer) {
  return JSON.stringify(JSON.parse(answer), (key, value) => (TIMED.has(key) ? undefined : value));
}

let passed = 0;
let failed = 0;
for (const script of fs.readdirSync(scriptsDir).filter((name) => name.endsWith('.txt')).sort()) {
  const lines = fs.readFileSync(path.join(scriptsDir, script), 'utf8').split('\n').filter((line) => line !== '');
  const nativeRun = nativeAnswers(lines);
  const webRun = await moduleAnswers(lines);
  const native = nativeRun.answers;
  const web = webRun.answers;
  const files = sameFiles(nativeRun.files, webRun.files);
  const errors = native.filter((answer) => answer.startsWith('{"error"')).length;
  let difference = null;
  for (let i = 0; i < native.length && difference === null; ++i) {
    if (comparable(native[i]) !== comparable(web[i])) difference = i;
  }
  if (difference !== null) {
    ++failed;
    const line = difference === 0 ? '(start)' : lines[difference - 1];
    console.log(`FAIL ${script}: line ${difference} ${JSON.stringify(line)}\n  native: ${native[difference]}\n  web:    ${web[difference]}`);
  } else if (files) {
    ++failed;
    console.log(`FAIL ${script}: user files: ${files}`);
  } else if (errors === native.length) {
    ++failed;
    console.log(`FAIL ${script}: every answer is an error: ${native[0]}`);
  } else {
    ++passed;
    console.log(`ok ${script}: ${lines.length} lines and ${Object.keys(nativeRun.files).length} user files alike`);
  }
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 && passed > 0 ? 0 : 1);
