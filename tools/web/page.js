// The page around the game's WebAssembly program: it draws the 80x25 cells
// the program hands over, collects the keys, tells in words what went wrong,
// and shows the end of the game. The program reaches it as Module.page
// (platform/web_host.cpp); the saves in IndexedDB are set up in saves.js.
'use strict';

const page = (() => {
  const columns = 80;
  const rows = 25;
  // The console's 16 colours, in the console's order (1 blue, 4 red).
  const palette = ['#000000', '#0000aa', '#00aa00', '#00aaaa', '#aa0000', '#aa00aa', '#aa5500', '#aaaaaa',
    '#555555', '#5555ff', '#55ff55', '#55ffff', '#ff5555', '#ff55ff', '#ffff55', '#ffffff'];
  // The keys the game polls, as the program knows them (Windows virtual-key codes).
  const keyCodes = { Enter: 13, NumpadEnter: 13, Escape: 27, Backspace: 8,
    ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40 };
  for (let d = 0; d <= 9; ++d) keyCodes['Digit' + d] = 48 + d;
  // Letters (as their capital), F1 and the '?' key, which the player's key
  // bindings may give to the game's actions.
  for (let c = 65; c <= 90; ++c) keyCodes['Key' + String.fromCharCode(c)] = c;
  Object.assign(keyCodes, { F1: 112, Slash: 191 });
  const press = 0, repeat = 1, release = 2, focusLost = -1;
  const textDelayMs = 150;

  // One canvas per row: a figure's step repaints its rows, not the screen.
  const grid = document.getElementById('screen');
  const rowCanvases = [];
  for (let y = 0; y < rows; ++y) rowCanvases.push(grid.appendChild(document.createElement('canvas')));
  const contexts = rowCanvases.map((c) => c.getContext('2d', { alpha: false }));
  const reader = document.getElementById('text');
  const message = document.getElementById('message');
  // What the cells show: the glyph's code point, the attribute above it.
  const cells = new Uint32Array(columns * rows).fill(0x0f0020);
  let cellWidth = 8;
  let cellHeight = 16;
  let input = [];
  let wake = null;
  let over = false;

  // Whole-pixel cells, as large as the window allows at 1:2.
  function fit() {
    const main = grid.parentElement;
    const height = Math.max(8, Math.min(Math.floor(main.clientHeight / rows),
      2 * Math.floor(main.clientWidth / columns)));
    cellHeight = height - (height % 2);
    cellWidth = cellHeight / 2;
    for (let y = 0; y < rows; ++y) {
      rowCanvases[y].width = columns * cellWidth;
      rowCanvases[y].height = cellHeight;
      contexts[y].font = cellHeight + 'px monospace';
      contexts[y].textBaseline = 'middle';
      contexts[y].textAlign = 'center';
    }
    for (let i = 0; i < cells.length; ++i) drawCell(i % columns, Math.floor(i / columns), cells[i]);
  }

  // The block glyphs fill their share of the cell exactly: [x, y, w, h] in halves.
  const blocks = { 0x2588: [0, 0, 2, 2], 0x2584: [0, 1, 2, 1], 0x2580: [0, 0, 2, 1],
    0x258c: [0, 0, 1, 2], 0x2590: [1, 0, 1, 2] };
  const shades = { 0x2591: 0.25, 0x2592: 0.5, 0x2593: 0.75 };

  function drawCell(x, y, cell) {
    const glyph = cell & 0xffff;
    const attr = cell >>> 16;
    const context = contexts[y];
    const left = x * cellWidth;
    const top = 0;
    context.globalAlpha = 1;
    context.fillStyle = palette[(attr >> 4) & 15];
    context.fillRect(left, top, cellWidth, cellHeight);
    context.fillStyle = palette[attr & 15];
    const block = blocks[glyph];
    if (block) {
      context.fillRect(left + block[0] * cellWidth / 2, top + block[1] * cellHeight / 2,
        block[2] * cellWidth / 2, block[3] * cellHeight / 2);
    } else if (shades[glyph]) {
      context.globalAlpha = shades[glyph];
      context.fillRect(left, top, cellWidth, cellHeight);
    } else if (glyph !== 0x20) {
      context.fillText(String.fromCharCode(glyph), left + cellWidth / 2, top + cellHeight / 2 + 1, cellWidth);
    }
  }

  // The screen's text for screen readers (and tests), row by row. Brought up
  // to date a moment after the cells change, so that a street where figures
  // move every tick is not read out at that pace.
  let textDue = false;
  function updateText() {
    textDue = false;
    const lines = [];
    for (let y = 0; y < rows; ++y) {
      const row = new Uint16Array(columns);
      for (let x = 0; x < columns; ++x) row[x] = cells[y * columns + x] & 0xffff;
      lines.push(String.fromCharCode.apply(null, row).trimEnd());
    }
    const text = lines.join('\n');
    if (reader.textContent !== text) reader.textContent = text;
  }

  function draw(left, top, width, height, patch) {
    if (!performance.getEntriesByName('first-frame').length) performance.mark('first-frame');
    for (let y = 0; y < height; ++y)
      for (let x = 0; x < width; ++x) {
        // The rectangle holds every changed cell, and the unchanged between them.
        const cell = patch[y * width + x];
        const at = (top + y) * columns + left + x;
        if (cells[at] === cell) continue;
        cells[at] = cell;
        drawCell(left + x, top + y, cell);
      }
    if (!textDue) setTimeout(updateText, textDelayMs);
    textDue = true;
  }

  function queue(entry) {
    input.push(entry);
    if (wake) wake();
  }

  function onKey(event, down) {
    const code = keyCodes[event.code];
    if (code === undefined || over) return;
    // Browser shortcuts (Ctrl+R, Alt+digit) stay the browser's.
    if (down && (event.ctrlKey || event.altKey || event.metaKey)) return;
    event.preventDefault();
    if (down) music.start();
    queue(code | (down ? (event.repeat ? repeat : press) : release) << 8);
  }

  function show(text, isError) {
    message.textContent = text;
    message.className = isError ? 'error' : '';
    message.hidden = false;
    grid.hidden = true;
    reader.textContent = text;
  }

  function failed(text) {
    if (over) return;
    over = true;
    show(text + '\nReload the page to try again.', true);
  }

  window.addEventListener('keydown', (event) => onKey(event, true));
  window.addEventListener('keyup', (event) => onKey(event, false));
  // Releases go elsewhere once the page has lost the keyboard.
  window.addEventListener('blur', () => queue(focusLost));
  document.addEventListener('visibilitychange', () => { if (document.hidden) queue(focusLost); });
  // A closed or reloaded tab keeps the game in play; the next visit offers it back.
  window.addEventListener('pagehide', () => {
    try {
      Module.keepLeftGame();
    } catch (error) {
      // Not started, or already stopped: there is no game to keep.
    }
  });
  // Shown again as it was left (the back and forward cache): play goes on.
  window.addEventListener('pageshow', (event) => {
    if (event.persisted && Module.takeBackLeftGame) Module.takeBackLeftGame();
  });
  window.addEventListener('resize', fit);
  window.addEventListener('error', (event) => failed('The game stopped: ' + event.message));
  window.addEventListener('unhandledrejection', (event) => failed('The game stopped: ' + event.reason));
  fit();
  updateText();

  // Music through Web Audio. The browser allows sound only after a key, so
  // the tune the game asked for waits for the first one. Tunes are made by
  // the music worker once each; where audio is refused the game is silent.
  const music = {
    context: null,
    worker: null,
    tunes: {},  // name: AudioBuffer, or 'making', or 'failed'
    wanted: null,
    playing: null,
    start() {
      if (this.context !== null) return;
      try {
        // At the synthesizer's rate (music::sampleRate), so nothing is
        // resampled while a tune plays.
        this.context = new AudioContext({ sampleRate: 44100 });
        this.worker = new Worker('music_worker.js');
        this.worker.onmessage = (event) => this.made(event.data);
      } catch (e) {
        this.context = false;
        return;
      }
      if (this.wanted) this.play(this.wanted);
    },
    made(tune) {
      if (tune.error) {
        this.tunes[tune.name] = 'failed';
        return;
      }
      const buffer = this.context.createBuffer(2, tune.left.length, tune.rate);
      buffer.copyToChannel(tune.left, 0);
      buffer.copyToChannel(tune.right, 1);
      this.tunes[tune.name] = buffer;
      if (this.wanted === tune.name) this.play(tune.name);
    },
    play(name) {
      this.stop();
      this.wanted = name;
      if (!this.context) return;
      const tune = this.tunes[name];
      if (tune === undefined) {
        this.tunes[name] = 'making';
        this.worker.postMessage(name);
      }
      if (!(tune instanceof AudioBuffer)) return;
      this.playing = this.context.createBufferSource();
      this.playing.buffer = tune;
      this.playing.loop = true;
      this.playing.connect(this.context.destination);
      this.playing.start();
    },
    stop() {
      this.wanted = null;
      if (this.playing) this.playing.stop();
      this.playing = null;
    },
  };

  return {
    draw,
    // The glyph's code point and the attribute of a cell, as shown.
    cell: (x, y) => ({ glyph: cells[y * columns + x] & 0xffff, attr: cells[y * columns + x] >>> 16 }),
    failed,
    music,
    // Hands the collected input to the program: the number of entries.
    takeInput(view) {
      const count = Math.min(view.length, input.length);
      for (let i = 0; i < count; ++i) view[i] = input[i];
      input = input.slice(count);
      return count;
    },
    // Resolves after ms, or sooner when a key event comes.
    sleep(ms) {
      return new Promise((resolve) => {
        const timer = setTimeout(done, ms);
        function done() {
          clearTimeout(timer);
          wake = null;
          resolve();
        }
        wake = done;
      });
    },
    ended(status) {
      if (status === 0) {
        over = true;
        show('The game has ended. Reload the page to play again.', false);
      } else {
        failed(lastError || 'The game stopped.');
      }
    },
  };
})();

let lastError = '';
var Module = {
  page,
  print: (text) => console.log(text),
  // The program writes the reason it stopped to its error stream.
  printErr: (text) => {
    lastError = text;
    console.error(text);
  },
  onAbort: (what) => page.failed('The game could not run: ' + what +
    (/wasm/.test(String(what)) ? ' (its program, drifter.wasm, could not be loaded)' : '')),
};
