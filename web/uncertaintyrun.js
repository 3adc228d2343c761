'use strict';
// One evaluation of the measurement uncertainty in a Web Worker, so that the page answers while
// the trials run. The worker's script (uncertaintyworker.js: the uncertainty module with its
// handler, as one text) is loaded with the first evaluation (workerscript.js). A cancelled
// evaluation ends its worker; the next starts a fresh one.
const UncertaintyRun = (() => {
  let worker = null;

  return {
    // The module's JSON for the request ({ inputs, amounts, distributions, trials, seed });
    // onProgress is told the share of the trials done.
    async evaluate(request, onProgress) {
      worker ??= await WorkerScript.start('uncertaintyworker.js', () => uncertaintyWorkerSource);
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
