// The practice page: loads the typing core (dazi-core.js), keeps the user files in IndexedDB,
// turns key events into console lines (docs/console.md) and draws the console's JSON answers.
// For scripts: window.dazi.ready (a promise) and window.dazi.send(line), a promise of the JSON
// text the console answers to line.
'use strict';

(() => {
  const DICTIONARIES = ['srf_pub.zc', 'srf_pub.py', 'srf_pub.pys', 'srf_pub.lm', 'srf_pub.cpy', 'srf_pub.zy'];
  const MODEL = 'srf_pub.ngm';
  const $ = (id) => document.getElementById(id);
  let core = null;
  let queue = Promise.resolve();
  let state = null;

  async function fetchBytes(url) {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status}`);
    return new Uint8Array(await response.arrayBuffer());
  }

  function syncUserFiles(populate) {
    return new Promise((resolve) => core.FS.syncfs(populate, (error) => {
      if (error) showNotice(`无法保存到浏览器存储：${error}`);
      resolve();
    }));
  }

  // The sentence model is large: it is loaded only when 智能整句 is or becomes on.
  async function provideModel() {
    if (core.FS.analyzePath(`/dict/${MODEL}`).exists) return;
    core.FS.writeFile(`/dict/${MODEL}`, await fetchBytes(`data/${MODEL}`));
  }

  function storedSentenceModel() {
    const path = '/user/srf_sentence.set';
    if (!core.FS.analyzePath(path).exists) return false;
    const bytes = core.FS.readFile(path);
    return bytes.length > 0 && bytes[0] === 1;
  }

  async function start() {
    const [wasmBinary, lessonNames] = await Promise.all([
      fetchBytes('dazi-core.wasm'),
      fetch('lessons/index.json').then((r) => r.json()),
    ]);
    const files = await Promise.all(DICTIONARIES.map((name) => fetchBytes(`data/${name}`)));
    core = await createDaziCore({
      wasmBinary,
      print: () => {},
      printErr: (text) => console.warn(text),
      onAbort: (what) => restartAfterAbort(what),
    });
    const FS = core.FS;
    FS.mkdir('/dict');
    DICTIONARIES.forEach((name, i) => FS.writeFile(`/dict/${name}`, files[i]));
    FS.mkdir('/lessons');
    const lessons = await Promise.all(lessonNames.map((name) => fetchBytes(`lessons/${name}`)));
    lessonNames.forEach((name, i) => FS.writeFile(`/lessons/${name}`, lessons[i]));
    await holdUserFiles();
    FS.mkdir('/user');
    FS.mount(core.IDBFS, {}, '/user');
    await syncUserFiles(true);
    if (storedSentenceModel()) await provideModel();
    if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => {});
    const first = core.ccall('dazi_start', 'string', ['string', 'string', 'string'], ['/dict', '/user', '/lessons']);
    render(first);
    if (state && state.error) throw new Error(state.error);
    await syncUserFiles(false);
    return first;
  }

  // One tab at a time owns the user files (a lock held as long as the page lives); another tab
  // waits, says so, and reads the files anew once the owner has gone.
  async function holdUserFiles() {
    if (!navigator.locks) return;
    const hold = (resolve) => (lock) => {
      resolve(lock !== null);
      return lock ? new Promise(() => {}) : undefined;
    };
    const owned = await new Promise((resolve) => navigator.locks.request('dazi-user-files', { ifAvailable: true }, hold(resolve)));
    if (owned) return;
    $('loading').textContent = '你的词库正在另一个标签页中使用。关闭那个标签页后，这里会接着使用它。';
    await new Promise((resolve) => navigator.locks.request('dazi-user-files', hold(resolve)));
    $('loading').textContent = '正在载入词库……';
  }

  // The module cannot go on after an abort: say so and start it anew from the stored files
  // (an abort while starting only says so, so that a broken start does not loop).
  let started = false;
  function restartAfterAbort(what) {
    if (!started) return;
    fatal(what);
    $('loading').textContent = `出错了，打字核心已停止（${what}），正在重新启动……`;
    setTimeout(() => location.reload(), 2000);
  }

  function fatal(what) {
    const loading = $('loading');
    loading.hidden = false;
    loading.className = 'failed';
    loading.textContent = `出错了，打字核心已停止（${what}）。请重新载入页面。`;
  }

  // Lines run one after another, in the order sent.
  function send(line) {
    const answer = queue.then(async () => {
      await ready;
      if (line.startsWith(':sentence model')) await provideModel();
      const json = core.ccall('dazi_send', 'string', ['string'], [line]);
      render(json);
      scheduleSave();
      return json;
    });
    queue = answer.catch(() => {});
    return answer;
  }

  // The user files go to IndexedDB shortly after the last line; saved() settles once written.
  let saveTimer = null;
  let saving = Promise.resolve();
  let saveDone = null;
  function scheduleSave() {
    clearTimeout(saveTimer);
    if (!saveDone) saving = new Promise((resolve) => (saveDone = resolve));
    saveTimer = setTimeout(async () => {
      const done = saveDone;
      saveDone = null;
      await syncUserFiles(false);
      done();
    }, 300);
  }

  function showNotice(text) {
    $('notice').textContent = text;
  }

  const KEYPAD_NUMBERS = ['0', '7', '8', '9'];

  function render(json) {
    const answer = JSON.parse(json);
    if (answer.error) {
      showNotice(answer.error);
      if (!state) state = answer;
      return;
    }
    if (answer.lessons) {
      drawLessonList(answer.lessons);
      return;
    }
    state = answer;
    $('text').textContent = answer.output;
    $('composition').textContent = answer.input ? answer.default || '' : '';
    const area = $('area');
    area.scrollTop = area.scrollHeight;
    const keypad = answer.panels.keypad || answer.status.method === 'ＫＸ';
    const list = $('candidates');
    list.replaceChildren();
    list.className = keypad ? 'keypad' : 'pinyin';
    answer.candidates.forEach((candidate, i) => {
      const item = document.createElement('li');
      if (i === 0) item.className = 'first';
      const number = document.createElement('span');
      number.className = 'n';
      number.textContent = keypad ? KEYPAD_NUMBERS[i] : String((i + 1) % 10);
      item.append(number, candidate.text);
      if (!keypad && candidate.gloss) {
        const gloss = document.createElement('span');
        gloss.className = 'gloss';
        gloss.textContent = candidate.gloss;
        item.append(gloss);
      }
      item.addEventListener('click', () => {
        send(keypad ? `{KP${KEYPAD_NUMBERS[i]}}` : String((i + 1) % 10));
        area.focus();
      });
      list.append(item);
    });
    $('input-line').textContent = answer.input + (answer.remaining ? ` ${answer.remaining}` : '');
    const previews = keypad && answer.panels.keypad && answer.previews.some(Boolean);
    drawPreviews(previews ? answer.previews : null);
    $('card').hidden = !answer.panels.input && answer.candidates.length === 0;
    $('st-language').textContent = answer.status.language;
    $('st-method').textContent = answer.status.method;
    $('st-class').textContent = answer.status.class;
    $('st-punct').textContent = answer.status.punct;
    $('st-dict').style.opacity = answer.panels.dict ? '1' : '0.4';
    showNotice(answer.status.notice || '');
    drawLesson(answer.lesson);
  }

  const STROKES = ['横', '竖', '撇', '点', '折', '叉'];
  function drawPreviews(previews) {
    const box = $('previews');
    box.hidden = !previews;
    if (!previews) return;
    box.replaceChildren();
    STROKES.forEach((stroke, key) => {
      const cell = document.createElement('div');
      cell.className = 'cell';
      const label = document.createElement('div');
      label.className = 'key';
      label.textContent = `${key + 1} ${stroke}`;
      const grid = document.createElement('div');
      grid.className = 'grid';
      for (let i = 0; i < 4; ++i) {
        const char = document.createElement('span');
        char.textContent = previews[key * 4 + i] || '\u3000';
        grid.append(char);
      }
      cell.append(label, grid);
      box.append(cell);
    });
  }

  function drawLesson(lesson) {
    const bar = $('lesson-bar');
    bar.hidden = !lesson;
    if (!lesson) return;
    const figures = `进度 ${lesson.position}/${lesson.length}　正确率 ${lesson.accuracy}%　速度 ${lesson.cpm} 字/分　回改 ${lesson.backspaces}`;
    bar.innerHTML = '';
    const title = document.createElement('div');
    title.textContent = lesson.title + (lesson.done ? '　（完成）' : '');
    const target = document.createElement('div');
    target.className = 'target';
    target.textContent = lesson.line;
    const line = document.createElement('div');
    line.textContent = figures;
    const buttons = document.createElement('div');
    const button = (caption, command) => {
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = caption;
      b.addEventListener('click', () => {
        send(command);
        $('area').focus();
      });
      buttons.append(b);
    };
    if (lesson.done) {
      button('再练一次', ':lesson again');
      button('下一课', ':lesson next');
    }
    button(lesson.done ? '关闭' : '结束', ':lesson end');
    const results = document.createElement('div');
    results.id = 'results';
    bar.append(title, target, line, buttons, results);
    if (lesson.done) history(lesson.id).then(drawResults);
  }

  // The stored sessions of a lesson: {"sessions": [...]} (platform/web/binding/WebHistory.h).
  function history(lesson) {
    const answer = queue.then(() => JSON.parse(core.ccall('dazi_history', 'string', ['string'], [lesson])));
    queue = answer.catch(() => {});
    return answer;
  }

  // The results: how often the lesson was stored, and its speed over the sessions as a line.
  function drawResults(answer) {
    const box = $('results');
    if (!box || !answer.sessions) return;
    const sessions = answer.sessions;
    box.textContent = `已保存 ${sessions.length} 次`;
    if (sessions.length === 0) return;
    const best = Math.max(...sessions.map((s) => s.cpm));
    box.textContent += `，最快 ${best.toFixed(1)} 字/分`;
    const width = 300;
    const height = 80;
    const x = (i) => (sessions.length === 1 ? width / 2 : (i * (width - 20)) / (sessions.length - 1) + 10);
    const y = (cpm) => height - 10 - (best > 0 ? (cpm / best) * (height - 20) : 0);
    const svgNs = 'http://www.w3.org/2000/svg';
    const svg = document.createElementNS(svgNs, 'svg');
    svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
    svg.setAttribute('class', 'chart');
    svg.setAttribute('role', 'img');
    svg.setAttribute('aria-label', '每次的速度（字/分）');
    const line = document.createElementNS(svgNs, 'polyline');
    line.setAttribute('points', sessions.map((s, i) => `${x(i)},${y(s.cpm)}`).join(' '));
    svg.append(line);
    sessions.forEach((s, i) => {
      const dot = document.createElementNS(svgNs, 'circle');
      dot.setAttribute('cx', x(i));
      dot.setAttribute('cy', y(s.cpm));
      dot.setAttribute('r', 3);
      const tip = document.createElementNS(svgNs, 'title');
      tip.textContent = `${new Date(s.started * 1000).toLocaleString('zh-CN')}：${s.cpm.toFixed(1)} 字/分，正确率 ${s.accuracy.toFixed(1)}%`;
      dot.append(tip);
      svg.append(dot);
    });
    box.append(svg);
  }

  function drawLessonList(lessons) {
    const list = $('lesson-list');
    list.replaceChildren();
    for (const lesson of lessons) {
      const item = document.createElement('li');
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = `${lesson.group}：${lesson.title}`;
      button.addEventListener('click', () => {
        showView('practice');
        send(`:lesson ${lesson.id}`);
      });
      item.append(button);
      list.append(item);
    }
  }

  // Keys to the console's notation. The numeric pad is told by its code, so that it types
  // strokes with NumLock on or off.
  const NUMPAD = {
    NumpadMultiply: '{KP*}', NumpadAdd: '{KP+}', NumpadSubtract: '{KP-}', NumpadDecimal: '{KP.}',
    NumpadDivide: '{KP/}', NumpadEnter: '{Enter}',
  };
  const NAMED = {
    Enter: '{Enter}', Escape: '{Esc}', Backspace: '{Back}', ArrowLeft: '{Left}', ArrowUp: '{Up}',
    ArrowRight: '{Right}', ArrowDown: '{Down}', PageUp: '{PgUp}', PageDown: '{PgDn}', ContextMenu: '{Menu}',
  };
  function keyLine(event) {
    const code = event.code || '';
    const digit = /^Numpad([0-9])$/.exec(code);
    if (digit) return `{KP${digit[1]}}`;
    if (NUMPAD[code]) return NUMPAD[code];
    if (NAMED[event.key]) return NAMED[event.key];
    let key = event.key;
    if (key === 'Process' || key === 'Unidentified') {
      const letter = /^Key([A-Z])$/.exec(code);
      if (!letter) return null;
      key = event.shiftKey ? letter[1] : letter[1].toLowerCase();
    }
    if (key.length !== 1 || key < ' ' || key > '~') return null;
    return key === '{' ? '{LBrace}' : key;
  }

  let ctrlAlone = false;
  function onKeyDown(event) {
    if (event.key === 'Control') {
      ctrlAlone = !event.repeat;
      return;
    }
    ctrlAlone = false;
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const line = keyLine(event);
    if (line === null) return;
    event.preventDefault();
    send(line);
  }
  function onKeyUp(event) {
    if (event.key === 'Control' && ctrlAlone) send('{Ctrl}');
    ctrlAlone = false;
  }

  function showView(name) {
    for (const view of document.querySelectorAll('.view')) view.hidden = view.id !== name;
    for (const button of document.querySelectorAll('nav button')) {
      button.classList.toggle('active', button.dataset.view === name);
    }
    if (name === 'practice') $('area').focus();
    if (name === 'lessons') send(':lessons');
    if (name === 'words') words('open');
  }

  const SETTING_BITS = { 'set-followon': 0x01, 'set-english': 0x08, 'set-panel': 0x10 };
  function settingsByte() {
    let value = 0;
    for (const [id, bit] of Object.entries(SETTING_BITS)) if ($(id).checked) value |= bit;
    return value;
  }
  function readSettings() {
    const path = '/user/srf_pykx.set';
    const stored = core.FS.analyzePath(path).exists ? core.FS.readFile(path) : new Uint8Array();
    const value = stored.length ? stored[0] : 0x09;
    for (const [id, bit] of Object.entries(SETTING_BITS)) $(id).checked = (value & bit) !== 0;
    $('set-model').checked = storedSentenceModel();
  }

  // The word editor: the user corpus by category; adding and deleting words as the desktop
  // editor does, then the lexicon reloaded so that typing offers them at once.
  function words(command) {
    const answer = ready.then(() => {
      const result = queue.then(() => JSON.parse(core.ccall('dazi_words', 'string', ['string'], [command])));
      queue = result.catch(() => {});
      return result;
    });
    return answer.then(async (tree) => {
      if (command !== 'open' && !tree.error) await send(':reload');
      drawWords(tree);
      return tree;
    });
  }
  function drawWords(tree) {
    $('word-message').textContent = tree.error || tree.message || '';
    if (!tree.categories) return;
    const select = $('word-category');
    const chosen = select.value;
    select.replaceChildren(...tree.categories.map((category, i) => new Option(category.text, String(i))));
    if (chosen && Number(chosen) < tree.categories.length) select.value = chosen;
    const box = $('word-tree');
    box.replaceChildren();
    tree.categories.forEach((category, c) => {
      const heading = document.createElement('h3');
      heading.textContent = `${category.text}（${category.words.length}）`;
      const list = document.createElement('ul');
      list.className = 'word-list';
      category.words.forEach((word, w) => {
        const item = document.createElement('li');
        const remove = document.createElement('button');
        remove.type = 'button';
        remove.textContent = '删除';
        remove.addEventListener('click', () => {
          if (confirm(`删除“${word}”？`)) words(`delete ${c} ${w}`);
        });
        item.append(word.trim(), ' ', remove);
        list.append(item);
      });
      box.append(heading, list);
    });
  }

  // 导出/导入我的词库: the user lexicon and corpus as the desktop program keeps them.
  const WORD_FILES = ['srf_pub.usr', 'srf_pub.dat'];
  function exportWords() {
    for (const name of WORD_FILES) {
      const file = `/user/${name}`;
      if (!core || !core.FS.analyzePath(file).exists) continue;
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([core.FS.readFile(file)], { type: 'application/octet-stream' }));
      link.download = name;
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    }
  }
  async function importWords(files) {
    const chosen = [...files].filter((file) => WORD_FILES.includes(file.name));
    if (chosen.length === 0) {
      showNotice(`请选择 ${WORD_FILES.join(' 或 ')}`);
      return;
    }
    const contents = await Promise.all(chosen.map(async (file) => new Uint8Array(await file.arrayBuffer())));
    await ready;
    queue = queue.then(() => chosen.forEach((file, i) => core.FS.writeFile(`/user/${file.name}`, contents[i])));
    await send(':reload');
    showNotice(`已导入：${chosen.map((file) => file.name).join('、')}`);
  }

  const ready = start();
  // saved(): a promise that settles once the user files are in IndexedDB.
  // memory(): the bytes the module's heap holds now (for the benchmark).
  // history(id): a promise of {"sessions": [...]}, the stored sessions of lesson id.
  // words(command): the word editor, "open", "add CATEGORY TEXT", "delete CATEGORY ENTRY".
  window.dazi = { ready, send, words, history: (id) => ready.then(() => history(id)), saved: () => saving, memory: () => (core && core.HEAP8 ? core.HEAP8.length : 0) };

  const area = $('area');
  area.addEventListener('keydown', onKeyDown);
  area.addEventListener('keyup', onKeyUp);
  area.addEventListener('click', () => area.focus());
  for (const button of document.querySelectorAll('#status button')) {
    button.addEventListener('click', () => {
      send(button.dataset.line);
      area.focus();
    });
  }
  for (const button of document.querySelectorAll('nav button')) {
    button.addEventListener('click', () => showView(button.dataset.view));
  }
  for (const id of Object.keys(SETTING_BITS)) $(id).addEventListener('change', () => send(`:settings ${settingsByte()}`));
  $('set-model').addEventListener('change', (event) => send(`:sentence ${event.target.checked ? 'model' : 'rules'}`));
  $('word-form').addEventListener('submit', (event) => {
    event.preventDefault();
    const text = $('word-text').value.trim();
    if (!text) return;
    words(`add ${$('word-category').value || 0} ${text}`).then((tree) => {
      if (!tree.error && !tree.message) $('word-text').value = '';
    });
  });
  $('export-words').addEventListener('click', exportWords);
  $('import-words').addEventListener('change', (event) => importWords(event.target.files).then(() => (event.target.value = '')));
  window.addEventListener('pagehide', () => core && syncUserFiles(false));

  ready.then(
    () => {
      started = true;
      $('loading').hidden = true;
      readSettings();
      area.focus();
    },
    (error) => fatal(error.message || String(error)),
  );
})();
