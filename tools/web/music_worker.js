// A worker of the page that makes the game's tunes from their note files
// (Music/NAME.notes) with the synthesizer compiled to WebAssembly
// (drifter_music.js), so the game never waits while a tune is made. Asked for
// a tune's name, it answers { name, rate, left, right } or { name, error }.
'use strict';
const waiting = [];
let ready = false;

async function render(name) {
  try {
    const response = await fetch('Music/' + name + '.notes');
    if (!response.ok) throw new Error('Music/' + name + '.notes: ' + response.status);
    const frames = Module.ccall('renderTune', 'number', ['string'], [await response.text()]);
    if (frames === 0) throw new Error('Music/' + name + '.notes is no tune');
    const side = (start) => HEAPF32.slice(start >> 2, (start >> 2) + frames);
    const left = side(Module._tuneLeft());
    const right = side(Module._tuneRight());
    postMessage({ name, rate: Module._tuneRate(), left, right }, [left.buffer, right.buffer]);
  } catch (e) {
    postMessage({ name, error: String(e) });
  }
}

var Module = {
  onRuntimeInitialized() {
    ready = true;
    waiting.splice(0).forEach(render);
  },
};
onmessage = (event) => (ready ? render(event.data) : waiting.push(event.data));
importScripts('drifter_music.js');
