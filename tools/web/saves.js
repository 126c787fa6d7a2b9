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
    removeRunDependency('saves');
  });
});
Module.storeSaves = function (done) {
  FS.syncfs(false, function (error) { done(!error); });
};
