'use strict';
// The section "Reihe" under the window: a table of samples, picked or dropped, is calculated
// row by row as quelbor-calc --batch calculates it, by the same C++ in a Web Worker
// (seriesworker.js), with a progress bar (rows done, share of the table read) and
// "Abbrechen". Then it tells how many rows were calculated and how many failed, and offers the
// output table, collected from the worker's parts, as a download. The results of JSON lines
// take the page's decimal separator, as quelbor-calc's take the regional one; a CSV table's
// follow its own separator.
const SeriesSection = {
  attach(page) {
    const $ = (id) => document.getElementById(`series-${id}`);
    const [section, picker, format, allFields, cancel, progress, status, save] =
      ['section', 'file', 'format', 'all-fields', 'cancel', 'progress', 'status', 'save'].map($);
    const handOverBytes = 1 << 22;
    let worker = null;
    let output = null; // { blob, name } of the last run that ended

    const megabytes = (bytes) => (bytes / 1e6).toFixed(1).replace('.', page.decimalSeparator());
    let counts = { rows: 0, failed: 0, bytesRead: 0 }; // as the worker last told them
    const say = (text) => {
      status.textContent = text;
    };
    const running = (on) => {
      picker.disabled = on;
      format.disabled = on;
      allFields.disabled = on;
      cancel.disabled = !on;
      section.setAttribute('aria-busy', String(on));
    };
    // Ends the run. Only now is the pick cleared, so that the same file can be picked again:
    // WebKit lets a picked file be read no longer once its input is cleared.
    const stop = () => {
      worker?.terminate();
      worker = null;
      progress.value = 0;
      picker.value = '';
      running(false);
    };
    const fail = (reason) => {
      stop();
      say('');
      page.showReport(`Die Reihe wurde nicht berechnet.\n${reason}`);
    };
    const outputName = (table, jsonLines) =>
      `${table.replace(/\.[^.]*$/, '') || 'Reihe'}-Ergebnisse.${jsonLines ? 'jsonl' : 'csv'}`;

    const run = async (file) => {
      output = null;
      save.hidden = true;
      const jsonLines = format.value === 'jsonl';
      const parts = [];
      counts = { rows: 0, failed: 0, bytesRead: 0 };
      running(true);
      say(`Rechnet: ${file.name} …`);
      try {
        worker = await WorkerScript.start('seriesworker.js', () => seriesWorkerSource);
      } catch (error) {
        fail(error.message);
        return;
      }
      const current = worker;
      current.onmessage = ({ data }) => {
        if (current !== worker) return;
        if ('part' in data) {
          parts.push(data.part);
        } else if ('rows' in data) {
          counts = data;
          progress.value = file.size ? data.bytesRead / file.size : 1;
          say(`${data.rows} Zeilen, ${megabytes(data.bytesRead)} von ${megabytes(file.size)} MB ` +
            'gelesen …');
        } else if ('unreadable' in data) {
          handOver(current, file, request);
        } else if (data.status === 2) {
          // quelbor-calc's own message, in English, under a German reason
          fail('Die Tabelle kann nicht gelesen werden. quelbor-calc meldet:\n' +
            data.messages.trim());
        } else if ('status' in data) {
          stop();
          finish(file, parts, jsonLines);
        } else {
          fail(data.failure);
        }
      };
      current.onerror = (event) => {
        event.preventDefault();
        if (current === worker) fail(event.message || 'Der Web Worker ist ausgefallen.');
      };
      const request = { name: file.name, jsonLines, allFields: allFields.checked,
        decimalSeparator: page.decimalSeparator() };
      current.postMessage({ file, ...request });
    };

    // Where the worker may not read the file (WebKit, a page opened from a file), the table is
    // read here and handed over in parts, then calculated from the worker's memory.
    const handOver = async (current, file, request) => {
      try {
        for (let at = 0; at < file.size && current === worker; at += handOverBytes) {
          const chunk = await file.slice(at, at + handOverBytes).arrayBuffer();
          current.postMessage({ chunk }, [chunk]);
        }
      } catch (error) {
        if (current === worker) fail(error.message);
        return;
      }
      if (current === worker) current.postMessage(request);
    };

    const finish = (file, parts, jsonLines) => {
      output = { blob: new Blob(parts, { type: jsonLines ? 'application/jsonl' : 'text/csv' }),
        name: outputName(file.name, jsonLines) };
      say(`Berechnet: ${counts.rows} Zeilen, davon ${counts.failed} fehlgeschlagen.`);
      save.hidden = false;
    };

    takeFiles(section, picker, run, () => !picker.disabled);
    cancel.addEventListener('click', () => {
      stop();
      say('Abgebrochen.');
      picker.focus();
    });
    save.addEventListener('click', () => {
      if (output) downloadBlob(output.blob, output.name);
    });
  },
};
