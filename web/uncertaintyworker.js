// The Web Worker of the section "Messunsicherheit", after the uncertainty module
// (quelbor-uncertainty.js, which defines createQuelborUncertainty) in one script: each message
// is one evaluation, answered with { done, total } now and then while the trials run and then
// with { json } (the module's JSON text) or { failure } (what went wrong). The page stops a
// running evaluation by terminating the worker.
let uncertaintyModule = null;

self.onmessage = async ({ data }) => {
  try {
    uncertaintyModule ??= await createQuelborUncertainty({
      onTrials: (done, total) => self.postMessage({ done, total }),
    });
    const json = uncertaintyModule.ccall('quelbor_uncertainty_json', 'string',
      ['string', 'string', 'string', 'number', 'number'],
      [data.inputs.join('\n'), data.amounts.join('\n'), data.distributions.join('\n'),
        data.trials, data.seed]);
    self.postMessage({ json });
  } catch (error) {
    self.postMessage({ failure: `${error.name ?? 'Error'}: ${error.message ?? error}` });
  }
};
