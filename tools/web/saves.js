// Saved games live in the browser's IndexedDB: the save folder is mounted
// there and read in before the program starts, so the title's Load Game sees
// every save of an earlier visit. The program copies a save back as soon as
// it is written (platform/durable_file.cpp).
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  FS.mkdir('/save');
  FS.mount(IDBFS, {}, '/save');
  addRunDependency('saves');
  FS.syncfs(true, function (error) {
    // Without IndexedDB (a private window may refuse it) the game still
    // plays; its saves last until the page is closed.
    if (error) console.warn('Saved games are kept for this visit only: ' + error);
    takeLeftGame();
    removeRunDependency('saves');
  });
});
Module.storeSaves = function (done) {
  FS.syncfs(false, function (error) { done(!error); });
};

// The game in play when the page was left. A page being left cannot wait for
// IndexedDB, so the game is put in the page's local storage at once and moved
// into the save folder on the next visit.
var leftGameKey = 'drifter-interrupted-game';
var leftGameFile = '/save/interrupted.sav';
Module.keepLeftGame = function () {
  var failure = UTF8ToString(Module._keepGameAsThePageIsLeft());
  if (failure) localStorage.setItem('probe-failure', failure);
  try {
    var bytes = FS.readFile(leftGameFile);
    localStorage.setItem(leftGameKey, JSON.stringify(Array.from(bytes)));
  } catch (error) {
    // No game was in play, or the page may not store anything.
  }
};
function takeLeftGame() {
  try {
    var kept = localStorage.getItem(leftGameKey);
    if (kept === null) return;
    FS.writeFile(leftGameFile, new Uint8Array(JSON.parse(kept)));
    localStorage.removeItem(leftGameKey);
    FS.syncfs(false, function () {});
  } catch (error) {
    console.warn('The game left on the last visit could not be kept: ' + error);
  }
}
