// The Web Worker of the page's series, after the series module (quelbor-series.js, which
// defines createQuelborSeries) in one script. One message is one run: { file, jsonLines,
// allFields, decimalSeparator }. The file is mounted into the module's file system as it is
// (WORKERFS), so the run reads it block by block; the output comes back as Blobs of about a
// megabyte each ({ part }), the counts now and then ({ rows, failed, bytesRead }), and at the
// end { status, messages } or { failure }. The page cancels by terminating the worker.
const partBytes = 1 << 20;
const messageBytes = 1 << 16; // of the messages, the first ones are kept

self.onmessage = async ({ data }) => {
  try {
    let pending = [];
    let pendingBytes = 0;
    const handOn = () => {
      if (pendingBytes) self.postMessage({ part: new Blob(pending) });
      pending = [];
      pendingBytes = 0;
    };
    const messages = [];
    let messagesKept = 0;
    const series = await createQuelborSeries({
      onOutput: (bytes) => {
        pending.push(bytes.slice());
        pendingBytes += bytes.length;
        if (pendingBytes >= partBytes) handOn();
      },
      onMessages: (bytes) => {
        if (messagesKept >= messageBytes) return;
        messages.push(bytes.slice(0, messageBytes - messagesKept));
        messagesKept += bytes.length;
      },
      onProgress: (rows, failed, bytesRead) => self.postMessage({ rows, failed, bytesRead }),
    });
    series.FS.mkdir('/series');
    series.FS.mount(series.FS.filesystems.WORKERFS, { files: [data.file] }, '/series');
    const status = series.ccall('quelbor_series', 'number',
      ['string', 'number', 'number', 'string'],
      [`/series/${data.file.name}`, data.jsonLines ? 1 : 0, data.allFields ? 1 : 0,
        data.decimalSeparator]);
    handOn();
    self.postMessage({ status, messages: await new Blob(messages).text() });
  } catch (error) {
    self.postMessage({ failure: `${error.name ?? 'Error'}: ${error.message ?? error}` });
  }
};
