'use strict';
// A Web Worker from a script the build wrote as one text (workersource.cmake): the script
// file is loaded once, when a worker is first wanted, and each worker started from a Blob,
// since a page opened from a file may start no worker from a file, nor fetch one; it may load
// a script.
const WorkerScript = (() => {
  const loaded = new Map();
  const load = (file) => {
    if (!loaded.has(file)) {
      loaded.set(file, new Promise((resolve, reject) => {
        const script = document.createElement('script');
        script.src = file;
        script.onload = resolve;
        script.onerror = () => {
          loaded.delete(file);
          reject(new Error(`${file} wurde nicht geladen.`));
        };
        document.head.append(script);
      }));
    }
    return loaded.get(file);
  };

  return {
    // A new worker running the text that `file` defines as `source()` once loaded.
    async start(file, source) {
      await load(file);
      const url = URL.createObjectURL(new Blob([source()], { type: 'text/javascript' }));
      const started = new Worker(url);
      URL.revokeObjectURL(url);
      return started;
    },
  };
})();
