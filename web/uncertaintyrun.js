'use strict';
// One evaluation of the measurement uncertainty in a Web Worker, so that the page answers while
// the trials run. The worker's script (uncertaintyworker.js: the uncertainty module with its
// handler, as one text) is loaded with the first evaluation and started from a Blob: a page
// opened from a file may start no worker from a file. A cancelled evaluation ends its worker;
// the next starts a fresh one.
const UncertaintyRun = (() => {
  let sourceLoaded = null;
  let worker = null;

  const loadSource = () => {
    sourceLoaded ??= new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = 'uncertaintyworker.js';
      script.onload = resolve;
      script.onerror = () => {
        sourceLoaded = null;
        reject(new Error('uncertaintyworker.js wurde nicht geladen.'));
      };
      document.head.append(script);
    });
    return sourceLoaded;
  };

  const startWorker = () => {
    const url = URL.createObjectURL(new Blob([uncertaintyWorkerSource],
      { type: 'text/javascript' }));
    const started = new Worker(url);
    URL.revokeObjectURL(url);
    return started;
  };

  return {
    // The module's JSON for the request ({ inputs, amounts, distributions, trials, seed });
    // onProgress is told the share of the trials done.
    async evaluate(request, onProgress) {
      await loadSource();
      worker ??= startWorker();
      const running = worker;
      return new Promise((resolve, reject) => {
        running.onmessage = ({ data }) => {
          if ('done' in data) onProgress(data.done / data.total);
          else if ('json' in data) resolve(JSON.parse(data.json));
          else reject(new Error(data.failure));
        };
        running.onerror = (event) => {
          event.preventDefault();
          if (worker === running) worker = null;
          running.terminate();
          reject(new Error(event.message || 'Der Web Worker ist ausgefallen.'));
        };
        running.cancel = () => reject(Object.assign(new Error('abgebrochen'), { cancelled: true }));
        running.postMessage(request);
      });
    },

    // Ends the running evaluation, whose promise is rejected as cancelled.
    cancel() {
      if (!worker) return;
      worker.terminate();
      worker.cancel?.();
      worker = null;
    },
  };
})();
