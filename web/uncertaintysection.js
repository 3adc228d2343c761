'use strict';
// The section "Messunsicherheit" under the result's offers: the seven inputs as the last
// "Rechne !" took them, each with a standard uncertainty ("20", "0,005", "3 %"; empty is
// exact) and a distribution; the trials and their seed; "Berechnen" runs the evaluation in a
// Web Worker (uncertaintyrun.js) with a progress bar and "Abbrechen", and the result is shown
// by uncertaintyreport.js. The section belongs to the result: it closes, and a running
// evaluation ends, when the offers are withdrawn.
const UncertaintySection = {
  inputNames: ['rhoSE', 'Xanf', 'Xmess', 'ksiSE', 'kappaMess', 'thetaMess', 'KappaSteig'],
  outputNames: ['psianf', 'XSE', 'psiSE', 'psi25', 'kappa2525', 'kappaGrenz'],
  distributions: [['normal', 'normal'], ['rect', 'rechteckig'], ['tri', 'dreieckig']],
  trialRange: [100, 10000000],

  attach(page) {
    const section = document.getElementById('uncertainty');
    const $ = (id) => document.getElementById(`uncertainty-${id}`);
    const [rows, trialsBox, seedBox, start, cancel, progress, status, report] =
      ['inputs', 'trials', 'seed', 'start', 'cancel', 'progress', 'status', 'report'].map($);
    const captionOf = new Map(page.design.controls.map((control) => [control.name, control.caption]));
    const captioned = (name) => ({ name,
      caption: page.elements.get(captionOf.get(`txt_${name}`)).textContent.trim() });
    const inputs = this.inputNames.map(captioned);
    const outputs = this.outputNames.map(captioned);

    const fields = inputs.map(({ name, caption }) => {
      const value = document.createElement('td');
      const amount = Object.assign(document.createElement('input'), { type: 'text',
        id: `uncertainty-u-${name}`, spellcheck: false, autocomplete: 'off' });
      amount.setAttribute('aria-label', `u von ${caption}`);
      const distribution = document.createElement('select');
      distribution.setAttribute('aria-label', `Verteilung von ${caption}`);
      distribution.id = `uncertainty-dist-${name}`;
      for (const [key, text] of this.distributions)
        distribution.append(Object.assign(document.createElement('option'), { value: key, textContent: text }));
      const cell = (child) => {
        const made = document.createElement('td');
        made.append(child);
        return made;
      };
      const row = document.createElement('tr');
      row.append(Object.assign(document.createElement('th'), { scope: 'row', textContent: caption }),
        value, cell(amount), cell(distribution));
      rows.append(row);
      return { name, caption, value, amount, distribution };
    });
    let entered = []; // the input texts of the last "Rechne !"

    const wholeNumber = (text, [low, high]) => {
      const digits = text.replace(/[\s\u00a0\u202f]/g, '');
      const number = /^\d+$/.test(digits) ? Number(digits) : NaN;
      return number >= low && number <= high ? number : null;
    };
    const running = (on) => {
      start.disabled = on;
      cancel.disabled = !on;
      section.setAttribute('aria-busy', String(on));
    };
    const say = (text) => {
      status.textContent = text;
    };

    const readRequest = () => {
      for (const field of fields) field.amount.removeAttribute('aria-invalid');
      const trials = wholeNumber(trialsBox.value, this.trialRange);
      const seed = wholeNumber(seedBox.value, [0, Number.MAX_SAFE_INTEGER]);
      if (trials === null) throw new Error('Versuche: eine ganze Zahl von 100 bis 10 000 000.');
      if (seed === null) throw new Error('Startwert: eine ganze Zahl ab 0.');
      return { inputs: entered, amounts: fields.map(({ amount }) => amount.value),
        distributions: fields.map(({ distribution }) => distribution.value), trials, seed };
    };

    // What the module answers besides an evaluation, as a line of the status.
    const answerText = (answer) => {
      if (answer.error) return `Laufzeitfehler ${answer.error.number}: ${answer.error.text}`;
      if (answer.exact) return 'Keine Eingabe hat eine Unsicherheit: Es gibt nichts zu berechnen.';
      const wrong = answer.unreadable.map(({ input }) => fields.find(({ name }) => name === input));
      for (const field of wrong) field.amount.setAttribute('aria-invalid', 'true');
      wrong[0].amount.focus();
      return `Keine Standardunsicherheit: „${wrong[0].amount.value}“ bei ${wrong[0].caption} ` +
        '(eine Zahl oder eine Zahl mit %).';
    };

    const calculate = async () => {
      report.replaceChildren();
      let request;
      try {
        request = readRequest();
      } catch (error) {
        say(error.message);
        return;
      }
      running(true);
      progress.value = 0;
      say('Rechnet …');
      const began = performance.now();
      try {
        const answer = await UncertaintyRun.evaluate(request, (share) => {
          progress.value = share;
        });
        const seconds = (performance.now() - began) / 1000;
        if (answer.uncertainty) {
          UncertaintyReport.show(report, answer.uncertainty,
            { outputs, inputs, separator: page.decimalSeparator() });
          section.dataset.seconds = seconds.toFixed(2);
          say(`Berechnet in ${seconds.toFixed(1).replace('.', page.decimalSeparator())} s.`);
        } else {
          say(answerText(answer));
        }
      } catch (error) {
        if (error.cancelled) {
          say('Abgebrochen.');
        } else {
          say('');
          page.showReport(`Die Messunsicherheit wurde nicht berechnet.\n${error.message}`);
        }
      } finally {
        progress.value = 0;
        running(false);
      }
    };
    start.addEventListener('click', calculate);
    cancel.addEventListener('click', () => {
      UncertaintyRun.cancel();
      start.focus();
    });

    const open = (opened) => {
      section.hidden = !opened;
      page.toggleButton.setAttribute('aria-expanded', String(opened));
      if (!opened) UncertaintyRun.cancel();
    };

    return {
      toggle() {
        open(section.hidden);
        if (!section.hidden) fields[0].amount.focus();
      },
      // The section follows the offers: offered after a "Rechne !" that ran through, with its
      // input texts; closed, and its last result gone, when the offers are withdrawn.
      show(shown) {
        open(false);
        report.replaceChildren();
        say('');
        if (!shown) return;
        const separator = page.decimalSeparator();
        entered = inputs.map(({ name }) => page.elements.get(`txt_${name}`).value);
        fields.forEach((field, i) => {
          field.value.textContent = entered[i].replace(/[,.]/g, separator);
        });
      },
    };
  },
};
