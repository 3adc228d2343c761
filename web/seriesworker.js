// The Web Worker of the page's series, after the series module (quelbor-series.js, which
// defines createQuelborSeries) in one script. A run is one message: { file, name, jsonLines,
// allFields, decimalSeparator }. The file is mounted into the module's file system as it is
// (WORKERFS), so the run reads it block by block; the output comes back as Blobs of about a
// megabyte each ({ part }), the counts now and then ({ rows, failed, bytesRead }), and at the
// end { status, messages } or { failure }. The page cancels by terminating the worker.
// WebKit lets no worker of a page opened from a file read a Blob; there the worker answers
// { unreadable: true }, and the page hands the table over in parts ({ chunk }) before the run
// (without a file), which then reads it from the worker's memory.
const partBytes = 1 << 20;
const messageBytes = 1 << 16; // of the messages, the first ones are kept
const handedOver = [];

const readableHere = (file) => {
  try {
    new FileReaderSync().readAsArrayBuffer(file.slice(0, 1));
    return true;
  } catch {
    return false;
  }
};

self.onmessage = async ({ data }) => {
  if ('chunk' in data) {
    handedOver.push(new Uint8Array(data.chunk));
    return;
  }
  if (data.file && !readableHere(data.file)) {
    self.postMessage({ unreadable: true });
    return;
  }
  try {
    // The output is gathered in one buffer, reused: a Blob copies what it is made of, so
    // the run leaves no garbage of its own behind however many blocks it writes.
    const pending = new Uint8Array(partBytes);
    let pendingBytes = 0;
    const handOn = () => {
      if (pendingBytes) self.postMessage({ part: new Blob([pending.subarray(0, pendingBytes)]) });
      pendingBytes = 0;
    };
    const messages = [];
    let messagesKept = 0;
    const series = await createQuelborSeries({
      onOutput: (bytes) => {
        for (let at = 0; at < bytes.length;) {
          const taken = Math.min(bytes.length - at, partBytes - pendingBytes);
          pending.set(bytes.subarray(at, at + taken), pendingBytes);
          pendingBytes += taken;
          at += taken;
          if (pendingBytes === partBytes) handOn();
        }
      },
      onMessages: (bytes) => {
        if (messagesKept >= messageBytes) return;
        messages.push(bytes.slice(0, messageBytes - messagesKept));
        messagesKept += bytes.length;
      },
      onProgress: (rows, failed, bytesRead) => self.postMessage({ rows, failed, bytesRead }),
    });
    series.FS.mkdir('/series');
    if (data.file) {
      series.FS.mount(series.FS.filesystems.WORKERFS, { files: [data.file] }, '/series');
    } else {
      const stream = series.FS.open(`/series/${data.name}`, 'w');
      for (const chunk of handedOver.splice(0)) series.FS.write(stream, chunk, 0, chunk.length);
      series.FS.close(stream);
    }
    const status = series.ccall('quelbor_series', 'number',
      ['string', 'number', 'number', 'string'],
      [`/series/${data.name}`, data.jsonLines ? 1 : 0, data.allFields ? 1 : 0,
        data.decimalSeparator]);
    handOn();
    const decoder = new TextDecoder();
    self.postMessage({ status, messages: messages.map((bytes) => decoder.decode(bytes, { stream: true }))
      .join('') + decoder.decode() });
  } catch (error) {
    self.postMessage({ failure: `${error.name ?? 'Error'}: ${error.message ?? error}` });
  }
};
