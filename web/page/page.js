'use strict';
// The page's forms. Everything about the files, the catalogues and the texts comes
// from the core (MmsCore); this script only builds the controls, applies the
// dialogs' enabling rules and moves bytes between the core and the card.

(async () => {
  const core = await MmsCore();

  // The string catalogue's blocks in order, for the page's lang attribute.
  const kLanguageTags = ['en', 'de', 'ru', 'sk', 'es', 'it', 'fi', 'hu', 'no', 'fr', 'sv'];
  const kFirstLanguageName = 2; // string 2 + block names the block
  const kOn = 0;
  const kOff = 1;
  const kManual = 1;
  const kOther = 110;
  const kModelsWithMms = 1; // TK-300 has neither MMS nor e-mail
  const kModelsWithEmail = 2; // TK-300G has MMS only

  let language = 0;
  let cardFolder = null; // the directory handle chosen for this page's lifetime

  // ---- building controls ----

  function element(tag, attributes = {}, ...children) {
    const node = document.createElement(tag);
    for (const [key, value] of Object.entries(attributes)) {
      if (value === true) node.setAttribute(key, '');
      else if (value !== false && value !== undefined) node.setAttribute(key, value);
    }
    node.append(...children);
    return node;
  }

  // A text from the catalogue, re-read whenever the language changes.
  function caption(tag, number, attributes = {}, suffix = '') {
    return element(tag, { ...attributes, 'data-string': number, 'data-suffix': suffix || undefined });
  }

  function numbers(count) {
    return Array.from({ length: count }, (_, n) => String(n));
  }

  // Items are catalogue numbers or fixed texts that every language shares.
  function fillList(select, items) {
    select.replaceChildren(...items.map((item) => {
      if (typeof item !== 'number') return new Option(item);
      const option = new Option(catalogueText(item));
      option.dataset.string = item;
      return option;
    }));
  }

  function controlId(form, name) {
    return `${form.id}-${name}`;
  }

  function list(form, name, items) {
    const select = element('select', { name, id: controlId(form, name) });
    fillList(select, items);
    return select;
  }

  // A caption above its control, tied to it.
  function labelled(form, name, labelNumber, control, suffix) {
    return element('div', { class: 'field' },
      caption('label', labelNumber, { for: controlId(form, name) }, suffix), control);
  }

  function choice(form, name, labelNumber, items) {
    return labelled(form, name, labelNumber, list(form, name, items));
  }

  function textField(form, name, labelNumber, suffix) {
    const input = element('input', {
      type: 'text', name, id: controlId(form, name), maxlength: core.maxTextLength,
      autocomplete: 'off', spellcheck: 'false',
    });
    return labelled(form, name, labelNumber, input, suffix);
  }

  // A group whose legend is the caption of its switch.
  function switchedGroup(form, name, labelNumber, items, ...rest) {
    return element('fieldset', { class: 'group' },
      element('legend', {}, caption('label', labelNumber, { for: controlId(form, name) })),
      element('div', { class: 'row' }, list(form, name, items), ...rest));
  }

  function button(name, number, attributes = {}) {
    return caption('button', number, { type: 'button', name, ...attributes });
  }

  function pageButton(name, text, attributes = {}) {
    return element('button', { type: 'button', name, ...attributes }, text);
  }

  // The catalogue's texts, read from the core once per language and number.
  const catalogueTexts = new Map();
  function catalogueText(number) {
    const key = language * 1000 + number;
    if (!catalogueTexts.has(key)) catalogueTexts.set(key, core.catalogueString(language, number));
    return catalogueTexts.get(key);
  }

  function applyTexts(root = document) {
    for (const node of root.querySelectorAll('[data-string]')) {
      node.textContent = catalogueText(Number(node.dataset.string)) + (node.dataset.suffix || '');
    }
  }

  const control = (form, name) => form.elements.namedItem(name);
  const position = (form, name) => control(form, name).selectedIndex;
  const select = (form, name, index) => { control(form, name).selectedIndex = index; };
  const text = (form, name) => control(form, name).value;
  const labelOf = (input) => document.querySelector(`label[for="${input.id}"]`).textContent;

  // ---- the card: folder, files, the result line ----

  function resultLine(form) {
    return form.querySelector('.result');
  }

  function report(form, ok, lines) {
    const line = resultLine(form);
    line.classList.toggle('failed', !ok);
    line.replaceChildren(...lines.flatMap((l, i) => (i ? [element('br'), l] : [l])));
  }

  function cardRow(form, fileName) {
    const folderButton = pageButton('Button_Select', 'Choose card folder', { hidden: !window.showDirectoryPicker });
    folderButton.addEventListener('click', () => chooseCardFolder(form));
    const folderName = element('output', { name: 'Edit_SavePath', class: 'folder', 'aria-label': 'Card folder' },
      window.showDirectoryPicker ? 'No folder chosen: Generate downloads the file.' : 'Generate downloads the file.');
    const openFolder = pageButton('Button_OpenFromCard', `Open ${fileName} from card folder`, { hidden: true });
    openFolder.addEventListener('click', () => openFromFolder(form, fileName));
    const fileInput = element('input', { type: 'file', name: 'File_Open', id: controlId(form, 'File_Open'), accept: '.dat' });
    fileInput.addEventListener('change', () => {
      if (fileInput.files.length) openFile(form, fileInput.files[0]);
      fileInput.value = '';
    });
    return element('fieldset', { class: 'card' },
      element('legend', {}, 'Memory card'),
      element('div', { class: 'row' }, folderButton, folderName),
      element('div', { class: 'row' },
        element('div', { class: 'field' },
          element('label', { for: fileInput.id }, `Open from card (${fileName})`), fileInput),
        openFolder));
  }

  function actionRow(form, ...extra) {
    const generate = button('Button_Generate', 86, { class: 'primary' });
    generate.addEventListener('click', () => generateFile(form));
    return element('div', { class: 'actions' }, generate, ...extra,
      element('p', { class: 'result', role: 'status', 'aria-live': 'polite' }));
  }

  async function chooseCardFolder(form) {
    try {
      cardFolder = await window.showDirectoryPicker({ mode: 'readwrite' });
    } catch (error) {
      if (error.name !== 'AbortError') report(form, false, [`The folder could not be opened: ${error.message}`]);
      return;
    }
    for (const output of document.querySelectorAll('output[name="Edit_SavePath"]')) {
      output.textContent = `Card folder: ${cardFolder.name}`;
    }
    for (const openButton of document.querySelectorAll('button[name="Button_OpenFromCard"]')) openButton.hidden = false;
  }

  // createWritable replaces the file only when the new content is complete.
  async function writeToFolder(fileName, bytes) {
    const handle = await cardFolder.getFileHandle(fileName, { create: true });
    const writable = await handle.createWritable();
    try {
      await writable.write(bytes);
      await writable.close();
    } catch (error) {
      await writable.abort();
      throw error;
    }
  }

  function download(fileName, bytes) {
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const link = element('a', { href: url, download: fileName });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
  }

  // ---- advice: what will not work once the card is in the camera ----

  // The core names the settings its advice concerns as the command line does; these
  // are the page's controls for them.
  const kAdviceControls = {
    operator: 'ComboBox_Operator', url: 'Edit_URL', apn: 'Edit_APN', sender: 'Edit_SenderEmail',
    'smtp-server': 'Edit_SmtpServer', clock: 'Edit_SetClock', 'number-per-day': 'Edit_MMSNumberPerDay',
    ...Object.fromEntries([1, 2, 3, 4].flatMap((n) => [[`mobile${n}`, `Edit_Mobile${n}`], [`email${n}`, `Edit_Email${n}`]])),
  };

  function adviceText(item) {
    const severity = item.severity === 'warning' ? 'Warning' : 'Notice';
    return `${severity}: ${item.sentence}${item.source ? ` (source: ${item.source})` : ''}`;
  }

  // The note beside a control, made when it is first needed.
  function adviceNote(form, name) {
    const id = controlId(form, `advice-${name}`);
    let note = document.getElementById(id);
    if (!note) {
      const target = control(form, name);
      note = element('p', { id, class: 'advice', hidden: true });
      (target.closest('.field') || target.closest('fieldset')).append(note);
    }
    return note;
  }

  // Adds `id` to the control's description or takes it away, keeping the others.
  function describedBy(target, id, described) {
    const ids = (target.getAttribute('aria-describedby') || '').split(' ').filter((token) => token && token !== id);
    if (described) ids.push(id);
    if (ids.length) target.setAttribute('aria-describedby', ids.join(' '));
    else target.removeAttribute('aria-describedby');
  }

  function showAdvice(form, advice) {
    for (const name of new Set(Object.values(kAdviceControls))) {
      const target = control(form, name);
      if (!target) continue;
      const items = advice.filter((item) => kAdviceControls[item.field] === name);
      if (!items.length && !document.getElementById(controlId(form, `advice-${name}`))) continue;
      const note = adviceNote(form, name);
      note.replaceChildren(...items.flatMap((item, i) => (i ? [element('br'), adviceText(item)] : [adviceText(item)])));
      note.hidden = !items.length;
      note.classList.toggle('warning', items.some((item) => item.severity === 'warning'));
      describedBy(target, note.id, items.length > 0);
    }
  }

  // The form as Generate would write it, asked of the core, beside its fields.
  function refreshAdvice(form) {
    const kind = kinds[form.id];
    showAdvice(form, kind.advise(kind.read(form, false)));
  }

  // The first text field holding a character the camera cannot store, with the reason.
  function unwritableField(form) {
    for (const input of form.querySelectorAll('input[type="text"]')) {
      input.removeAttribute('aria-invalid');
    }
    for (const input of form.querySelectorAll('input[type="text"]')) {
      const reason = core.unwritableTextReason(labelOf(input), input.value);
      if (reason) return { input, reason };
    }
    return null;
  }

  async function generateFile(form) {
    const kind = kinds[form.id];
    const refused = unwritableField(form);
    if (refused) {
      refused.input.setAttribute('aria-invalid', 'true');
      refused.input.focus();
      report(form, false, [catalogueText(kind.failed), `Nothing was written: ${refused.reason}.`]);
      return;
    }
    const record = kind.read(form);
    const composed = kind.compose(record);
    if (composed.error) {
      report(form, false, [catalogueText(kind.failed), `Nothing was written: ${composed.error}.`]);
      return;
    }
    const generated = catalogueText(kind.generated);
    // Advice never stops the file: it is written as asked, and the advice follows the result.
    const advice = kind.advise(record).map(adviceText);
    if (!cardFolder) {
      download(kind.fileName, composed.bytes);
      report(form, true, [generated, `${kind.fileName} (${composed.bytes.length} bytes) was downloaded: copy it to the root of the card.`, ...advice]);
      return;
    }
    try {
      await writeToFolder(kind.fileName, composed.bytes);
      report(form, true, [generated, `${kind.fileName} (${composed.bytes.length} bytes) was written to the card folder “${cardFolder.name}”.`, ...advice]);
    } catch (error) {
      report(form, false, [catalogueText(kind.failed),
        `${kind.fileName} could not be written to “${cardFolder.name}”: ${error.message}`]);
    }
  }

  async function openFile(form, file) {
    const kind = kinds[form.id];
    const decoded = kind.decode(new Uint8Array(await file.arrayBuffer()));
    if (decoded.problems.length) {
      report(form, false, [`${file.name} was not opened; the form is unchanged. The file is damaged:`,
        ...decoded.problems.map((p) => `• ${p}`)]);
      return;
    }
    kind.fill(form, decoded.record);
    report(form, true, [`The settings of ${file.name} are in the form.`]);
  }

  async function openFromFolder(form, fileName) {
    try {
      const handle = await cardFolder.getFileHandle(fileName);
      await openFile(form, await handle.getFile());
    } catch (error) {
      report(form, false, [`${fileName} could not be read from “${cardFolder.name}”: ${error.message}`]);
    }
  }

  // ---- camera ----

  const kSerialCharacters = [...numbers(10), ...'ABCDEFGHIJKLMNOPQRSTUVWXYZ'];
  const kOnOff = [38, 37];
  const kCameraChoices = [
    // control name, caption, items, record member
    ['ComboBox_Mode', 13, [14, 15, 16], 'Mode'],
    ['ComboBox_PhotoSize', 17, [18, 19, 20], 'PhotoSize'],
    ['ComboBox_VideoSize', 21, [22, 23, 'VGA'], 'VideoSize'],
    ['ComboBox_ImageBurst', 26, [27, 28, 29, 30, 31], 'ImageBurst'],
    ['ComboBox_VideoLength', 32, [33, '20s', 34, 35], 'VideoLength'],
    ['ComboBox_Beep', 42, [37, 38], 'Beep'], // the one on/off list with Off first
    ['ComboBox_SenseLevel', 43, [44, 45, 46], 'SenseLevel'],
    ['ComboBox_TV', 55, [56, 57], 'TV'],
    ['ComboBox_TimeStamp', 58, kOnOff, 'TimeStamp'],
  ];
  // Each switch with the lists it governs: Off sets them to 0 and disables them.
  const kCameraGroups = [
    { name: 'ComboBox_Interval_OnOff', member: 'IntervalOnOff', caption: 36, fields: [
      ['ComboBox_Interval_Minute', 40, 60, 'IntervalMinute'],
      ['ComboBox_Interval_Second', 41, 60, 'IntervalSecond']] },
    { name: 'ComboBox_TimeLapse_OnOff', member: 'TimeLapseOnOff', caption: 54, fields: [
      ['ComboBox_TimeLapse_Hour', 39, 24, 'TimeLapseHour'],
      ['ComboBox_TimeLapse_Minute', 40, 60, 'TimeLapseMinute']] },
  ];
  const kSerialNames = [1, 2, 3, 4].map((n) => `ComboBox_SerialNo_Char${n}`);
  const kTimerColumns = [['Start', 'Hour', 24, 'StartHour'], ['Start', 'Minute', 60, 'StartMinute'],
    ['End', 'Hour', 24, 'EndHour'], ['End', 'Minute', 60, 'EndMinute']];
  const timerName = (period, [edge, unit]) => `ComboBox_Timer_${edge}${period + 1}_${unit}`;
  const kTimerNames = [0, 1, 2, 3].flatMap((p) => kTimerColumns.map((c) => timerName(p, c)));

  let cameraClock = null; // the captured clock Generate writes
  // What the form does not show comes from here: the defaults, or the file opened.
  let cameraBase = core.defaultCamera();

  function captureClock(form) {
    const now = new Date();
    cameraClock = { Year: now.getFullYear(), Month: now.getMonth() + 1, Day: now.getDate(),
      Hour: now.getHours(), Minute: now.getMinutes(), Second: now.getSeconds() };
    showClock(form);
  }

  function resetClock(form) {
    const d = core.defaultCamera();
    cameraClock = { Year: d.Year, Month: d.Month, Day: d.Day, Hour: d.Hour, Minute: d.Minute, Second: d.Second };
    showClock(form);
  }

  // Four spaces, the date in the chosen order, two spaces, the time; no leading zeros.
  function showClock(form) {
    const c = cameraClock;
    const dates = [[c.Year, c.Month, c.Day], [c.Day, c.Month, c.Year], [c.Month, c.Day, c.Year]];
    const order = dates[position(form, 'ComboBox_SetClock_DateFormat')] || dates[2];
    control(form, 'Edit_SetClock').value = `    ${order.join('/')}  ${c.Hour}:${c.Minute}:${c.Second}`;
    refreshAdvice(form);
  }

  function applySwitch(form, switchName, names, reset = true) {
    const off = position(form, switchName) === kOff;
    for (const name of names) {
      if (off && reset) select(form, name, 0);
      control(form, name).disabled = off;
    }
  }

  function cameraSwitches() {
    return [...kCameraGroups.map((g) => [g.name, g.fields.map(([name]) => name)]),
      ['ComboBox_SerialNo_OnOff', kSerialNames], ['ComboBox_Timer_OnOff', kTimerNames]];
  }

  function applyCameraSwitches(form, reset) {
    for (const [switchName, names] of cameraSwitches()) applySwitch(form, switchName, names, reset);
  }

  function buildCamera(form) {
    const choices = kCameraChoices.map(([name, number, items]) => choice(form, name, number, items));

    const clock = element('output', { name: 'Edit_SetClock', class: 'clock', 'aria-labelledby': controlId(form, 'clock-legend') });
    const getTime = button('Button_GetTime', 88);
    const clockGroup = element('fieldset', { class: 'group' },
      element('legend', { id: controlId(form, 'clock-legend') },
        caption('label', 47, { for: controlId(form, 'ComboBox_SetClock_DateFormat') })),
      element('div', { class: 'row' }, list(form, 'ComboBox_SetClock_DateFormat', ['Y/M/D', 'D/M/Y', 'M/D/Y']),
        clock, getTime));

    const groups = kCameraGroups.map((g) => switchedGroup(form, g.name, g.caption, kOnOff,
      ...g.fields.map(([name, number, count]) => choice(form, name, number, numbers(count)))));

    const serial = switchedGroup(form, 'ComboBox_SerialNo_OnOff', 60, kOnOff,
      ...kSerialNames.map((name, i) => labelled(form, name, 60, list(form, name, kSerialCharacters), ` ${i + 1}`)));

    form.append(element('div', { class: 'grid' }, ...choices), clockGroup, ...groups, serial, buildTimer(form),
      cardRow(form, core.cameraFileName), actionRow(form, button('Button_Default', 85)));

    for (const g of cameraSwitches()) {
      control(form, g[0]).addEventListener('change', () => applySwitch(form, ...g));
    }
    control(form, 'ComboBox_SetClock_DateFormat').addEventListener('change', () => captureClock(form));
    getTime.addEventListener('click', () => captureClock(form));
    control(form, 'Button_Default').addEventListener('click', () => {
      cameraBase = core.defaultCamera();
      fillCamera(form, cameraBase);
      applyCameraSwitches(form, true);
      resetClock(form);
    });
    fillCamera(form, core.defaultCamera());
    applyCameraSwitches(form, true);
    captureClock(form);
  }

  // Start and End headings over Hour and Min, one row per period; each list is named
  // by its period and its column headings.
  function buildTimer(form) {
    const id = (part) => controlId(form, `timer-${part}`);
    const heading = (part, number, attributes = {}) => caption('span', number, { id: id(part), ...attributes });
    const table = element('div', { class: 'timer', role: 'group' },
      element('span'), heading('Start', 52, { class: 'span2' }), heading('End', 53, { class: 'span2' }),
      element('span'),
      ...kTimerColumns.map(([edge, unit]) => heading(`${edge}-${unit}`, unit === 'Hour' ? 39 : 40)));
    for (let period = 0; period < 4; ++period) {
      table.append(element('span', { id: id(`period${period + 1}`), class: 'period' }, `${period + 1}`));
      for (const column of kTimerColumns) {
        const [edge, unit, count] = column;
        const box = list(form, timerName(period, column), numbers(count));
        box.setAttribute('aria-labelledby', `${id(`period${period + 1}`)} ${id(edge)} ${id(`${edge}-${unit}`)}`);
        table.append(box);
      }
    }
    return switchedGroup(form, 'ComboBox_Timer_OnOff', 51, kOnOff, table);
  }

  function fillCamera(form, record) {
    for (const [name, , , member] of kCameraChoices) select(form, name, record[member]);
    select(form, 'ComboBox_SetClock_DateFormat', record.DateFormat);
    for (const g of kCameraGroups) {
      select(form, g.name, record[g.member]);
      for (const [name, , , member] of g.fields) select(form, name, record[member]);
    }
    select(form, 'ComboBox_SerialNo_OnOff', record.SerialNoOnOff);
    kSerialNames.forEach((name, i) => select(form, name, record.SerialNoChar[i]));
    select(form, 'ComboBox_Timer_OnOff', record.TimerOnOff);
    record.Timer.forEach((period, p) => {
      for (const column of kTimerColumns) select(form, timerName(p, column), period[column[3]]);
    });
  }

  function readCamera(form) {
    const record = { ...cameraBase, ...cameraClock };
    for (const [name, , , member] of kCameraChoices) record[member] = position(form, name);
    record.DateFormat = position(form, 'ComboBox_SetClock_DateFormat');
    for (const g of kCameraGroups) {
      record[g.member] = position(form, g.name);
      for (const [name, , , member] of g.fields) record[member] = position(form, name);
    }
    record.SerialNoOnOff = position(form, 'ComboBox_SerialNo_OnOff');
    record.SerialNoChar = kSerialNames.map((name) => position(form, name));
    record.TimerOnOff = position(form, 'ComboBox_Timer_OnOff');
    record.Timer = [0, 1, 2, 3].map((p) => Object.fromEntries(
      kTimerColumns.map((column) => [column[3], position(form, timerName(p, column))])));
    return record;
  }

  function openCameraRecord(form, record) {
    cameraBase = record; // cycling save, which the form does not offer, stays as the file has it
    fillCamera(form, record);
    applyCameraSwitches(form, false); // the file's values stand, even under a switch that is Off
    cameraClock = { Year: record.Year, Month: record.Month, Day: record.Day,
      Hour: record.Hour, Minute: record.Minute, Second: record.Second };
    showClock(form);
  }

  // ---- MMS and e-mail: what the two forms share ----

  function sendingPart(form, captions) {
    const number = element('input', {
      type: 'text', name: 'Edit_MMSNumberPerDay', id: controlId(form, 'Edit_MMSNumberPerDay'),
      maxlength: 2, inputmode: 'numeric', autocomplete: 'off', 'aria-describedby': controlId(form, 'note'),
    });
    // Digits only; an empty field means 0, unlimited.
    number.addEventListener('input', () => { number.value = number.value.replace(/[^0-9]/g, ''); });
    number.addEventListener('blur', () => { if (!number.value) number.value = '0'; });
    return [
      element('div', { class: 'grid' },
        choice(form, 'ComboBox_MMSMode', captions.mode, [91, 92]),
        choice(form, 'ComboBox_MMSStatus', captions.status, [37, 112, 63, 65]),
        element('div', { class: 'field' },
          caption('label', captions.numberPerDay, { for: number.id }), number,
          caption('small', 93, { id: controlId(form, 'note') }))),
      // Two pairs that stay side by side: the report and its hour, country and operator.
      element('div', { class: 'grid' },
        choice(form, 'ComboBox_DailyReport_OnOff', 67, kOnOff),
        choice(form, 'ComboBox_DailyReport_Hour', 39, numbers(24)),
        choice(form, 'ComboBox_Country', 71, []),
        choice(form, 'ComboBox_Operator', 72, [])),
    ];
  }

  // A connection field with, in Auto mode, the catalogue's value that Generate writes.
  function connectionField(form, name, labelNumber) {
    const field = textField(form, name, labelNumber);
    const autoValue = element('output', { name: `Auto_${name}`, class: 'auto-value', for: controlId(form, name),
      id: controlId(form, `Auto_${name}`) });
    field.querySelector('input').setAttribute('aria-describedby', autoValue.id);
    field.append(autoValue);
    return field;
  }

  function recipients(form, prefix, number) {
    return [1, 2, 3, 4].map((n) => textField(form, `${prefix}${n}`, number, ` ${n}`));
  }

  function fieldGroup(legendNumber, ...fields) {
    return element('fieldset', { class: 'group' }, caption('legend', legendNumber),
      element('div', { class: 'grid' }, ...fields));
  }

  function resetFields(form, names, editable) {
    for (const name of names) {
      control(form, name).value = '';
      control(form, name).readOnly = !editable;
    }
  }

  function modeOf(form) {
    return position(form, 'ComboBox_MMSMode') === kManual ? core.ConnectionMode.Manual : core.ConnectionMode.Auto;
  }

  function rebuildOperators(form, kind) {
    const operators = kind.operators(text(form, 'ComboBox_Country'));
    if (!operators.length) return false;
    fillList(control(form, 'ComboBox_Operator'), operators);
    select(form, 'ComboBox_Operator', 0);
    return true;
  }

  // Auto: the catalogue's countries, the first one's operators. Manual: both lists hold
  // only "Other" and are disabled. Either way the typed connection texts and
  // recipients are lost.
  function applyMode(form, kind) {
    const manual = modeOf(form) === core.ConnectionMode.Manual;
    for (const name of ['ComboBox_Country', 'ComboBox_Operator']) {
      fillList(control(form, name), manual ? [kOther] : kind.countries());
      control(form, name).disabled = manual;
    }
    resetFields(form, kind.connectionFields, manual);
    resetFields(form, kind.recipientFields, true);
    if (!manual) countryChanged(form, kind);
    showAutoValues(form, kind);
  }

  function countryChanged(form, kind) {
    if (rebuildOperators(form, kind)) kind.operatorChanged(form);
    showAutoValues(form, kind);
  }

  function showAutoValues(form, kind) {
    const params = modeOf(form) === core.ConnectionMode.Auto
      ? kind.params(text(form, 'ComboBox_Country'), text(form, 'ComboBox_Operator')) : null;
    for (const [name, member] of kind.autoValues) {
      const output = control(form, `Auto_${name}`);
      output.hidden = !params;
      output.textContent = params ? `Auto: ${params[member] || '(empty)'}` : '';
    }
    refreshAdvice(form);
  }

  function applyDailyReport(form) {
    const off = position(form, 'ComboBox_DailyReport_OnOff') === kOff;
    if (off) select(form, 'ComboBox_DailyReport_Hour', 0);
    control(form, 'ComboBox_DailyReport_Hour').disabled = off;
  }

  function connectSending(form, kind) {
    control(form, 'ComboBox_MMSMode').addEventListener('change', () => applyMode(form, kind));
    control(form, 'ComboBox_DailyReport_OnOff').addEventListener('change', () => applyDailyReport(form));
    control(form, 'ComboBox_Country').addEventListener('change', () => countryChanged(form, kind));
    control(form, 'ComboBox_Operator').addEventListener('change', () => {
      kind.operatorChanged(form);
      showAutoValues(form, kind);
    });
  }

  function resetSending(form, kind) {
    select(form, 'ComboBox_MMSMode', 0);
    fillHeader(form, kind.defaults().Header);
    applyMode(form, kind);
  }

  function fillHeader(form, header) {
    select(form, 'ComboBox_MMSStatus', header.Status);
    control(form, 'Edit_MMSNumberPerDay').value = header.NumberPerDay;
    select(form, 'ComboBox_DailyReport_OnOff', header.DailyReportOnOff);
    select(form, 'ComboBox_DailyReport_Hour', header.DailyReportHour);
    control(form, 'ComboBox_DailyReport_Hour').disabled = header.DailyReportOnOff === kOff;
  }

  // `settle`: an empty daily limit is shown as the 0 it means; advice reads the form
  // as it is, while the user types.
  function readHeader(form, settle) {
    const number = control(form, 'Edit_MMSNumberPerDay');
    if (!number.value && settle) number.value = '0';
    return { Status: position(form, 'ComboBox_MMSStatus'), NumberPerDay: number.value || '0',
      DailyReportOnOff: position(form, 'ComboBox_DailyReport_OnOff'),
      DailyReportHour: position(form, 'ComboBox_DailyReport_Hour') };
  }

  // A file holds texts, not the operator they came from: it opens in Manual mode.
  function openSendingRecord(form, kind, record) {
    select(form, 'ComboBox_MMSMode', kManual);
    applyMode(form, kind);
    fillHeader(form, record.Header);
    for (const [name, read] of kind.texts) control(form, name).value = read(record);
    refreshAdvice(form);
  }

  function readSending(form, kind, settle = true) {
    const record = { ...kind.defaults(), Mode: modeOf(form), Header: readHeader(form, settle),
      Country: text(form, 'ComboBox_Country'), Operator: text(form, 'ComboBox_Operator') };
    for (const [name, , write] of kind.texts) write(record, text(form, name));
    return record;
  }

  // [control name, read from the record, write into the record] for every text field.
  function textMember(name, member) {
    return [name, (r) => r[member], (r, v) => { r[member] = v; }];
  }

  function numberedMembers(prefix, member) {
    return [0, 1, 2, 3].map((i) => [`${prefix}${i + 1}`, (r) => r[member][i],
      (r, v) => { r[member] = Object.assign([...r[member]], { [i]: v }); }]);
  }

  const kMobiles = [1, 2, 3, 4].map((n) => `Edit_Mobile${n}`);
  const kEmails = [1, 2, 3, 4].map((n) => `Edit_Email${n}`);

  const mmsKind = {
    countries: () => core.mmsCountries(),
    operators: (country) => core.mmsOperators(country),
    params: (country, op) => core.mmsOperatorParams(country, op),
    operatorChanged: () => {},
    defaults: () => core.defaultMms(),
    connectionFields: ['Edit_URL', 'Edit_APN', 'Edit_GateWay', 'Edit_Port', 'Edit_Account', 'Edit_AccountPassword'],
    recipientFields: [...kMobiles, ...kEmails],
    autoValues: [['Edit_URL', 'Url'], ['Edit_APN', 'Apn'], ['Edit_GateWay', 'Gateway'], ['Edit_Port', 'Port'],
      ['Edit_Account', 'Account'], ['Edit_AccountPassword', 'Password']],
    texts: [textMember('Edit_URL', 'Url'), textMember('Edit_APN', 'Apn'), textMember('Edit_GateWay', 'Gateway'),
      textMember('Edit_Port', 'Port'), textMember('Edit_Account', 'Account'),
      textMember('Edit_AccountPassword', 'Password'), ...numberedMembers('Edit_Mobile', 'Mobile'),
      ...numberedMembers('Edit_Email', 'Email')],
  };

  function buildMms(form) {
    const connection = [['Edit_URL', 73], ['Edit_APN', 74], ['Edit_GateWay', 75], ['Edit_Port', 76],
      ['Edit_Account', 77], ['Edit_AccountPassword', 78]];
    form.append(...sendingPart(form, { mode: 90, status: 62, numberPerDay: 66 }),
      fieldGroup(89, ...connection.map(([name, number]) => connectionField(form, name, number))),
      fieldGroup(95, ...recipients(form, 'Edit_Mobile', 69), ...recipients(form, 'Edit_Email', 70)),
      cardRow(form, core.mmsFileName), actionRow(form));
    connectSending(form, mmsKind);
    resetSending(form, mmsKind);
  }

  // An operator with a known outgoing server fills server and port; any other leaves
  // both as they are.
  function applySmtpPreset(form) {
    const preset = core.smtpPreset(text(form, 'ComboBox_Country'), text(form, 'ComboBox_Operator'));
    if (!preset) return;
    control(form, 'Edit_SmtpServer').value = preset.server;
    control(form, 'Edit_Port').value = preset.port;
  }

  const emailKind = {
    countries: () => core.emailCountries(),
    operators: (country) => core.emailOperators(country),
    params: (country, op) => core.gprsOperatorParams(country, op),
    operatorChanged: applySmtpPreset,
    defaults: () => core.defaultEmail(),
    connectionFields: ['Edit_APN', 'Edit_Account', 'Edit_AccountPassword'],
    recipientFields: kEmails,
    autoValues: [['Edit_APN', 'Apn'], ['Edit_Account', 'Account'], ['Edit_AccountPassword', 'Password']],
    texts: [textMember('Edit_APN', 'Apn'), textMember('Edit_Account', 'Account'),
      textMember('Edit_AccountPassword', 'Password'), textMember('Edit_SmtpServer', 'SmtpServer'),
      textMember('Edit_Port', 'SmtpPort'), textMember('Edit_SenderEmail', 'SenderEmail'),
      textMember('MaskEdit_SenderPassword', 'SenderPassword'), ...numberedMembers('Edit_Email', 'Email')],
  };

  function buildEmail(form) {
    form.append(...sendingPart(form, { mode: 103, status: 104, numberPerDay: 102 }),
      fieldGroup(82, connectionField(form, 'Edit_APN', 74), connectionField(form, 'Edit_Account', 77),
        connectionField(form, 'Edit_AccountPassword', 78)),
      fieldGroup(106, textField(form, 'Edit_SmtpServer', 107), textField(form, 'Edit_Port', 76),
        textField(form, 'Edit_SenderEmail', 111), textField(form, 'MaskEdit_SenderPassword', 78)),
      fieldGroup(95, ...recipients(form, 'Edit_Email', 70)),
      cardRow(form, core.emailFileName), actionRow(form));
    connectSending(form, emailKind);
    resetSending(form, emailKind);
  }

  // ---- the three kinds of file ----

  const kinds = {
    camera: { fileName: core.cameraFileName, failed: 98, generated: 99, compose: core.composeCamera,
      decode: core.decodeCamera, read: readCamera, fill: openCameraRecord, advise: core.adviseCamera },
    mms: { fileName: core.mmsFileName, failed: 100, generated: 101, compose: core.composeMms,
      decode: core.decodeMms, read: (form, settle) => readSending(form, mmsKind, settle),
      fill: (form, record) => openSendingRecord(form, mmsKind, record), advise: core.adviseMms },
    email: { fileName: core.emailFileName, failed: 96, generated: 97, compose: core.composeEmail,
      decode: core.decodeEmail, read: (form, settle) => readSending(form, emailKind, settle),
      fill: (form, record) => openSendingRecord(form, emailKind, record), advise: core.adviseEmail },
  };

  // ---- the page: language, model, which form is shown ----

  const sectionButtons = [...document.querySelectorAll('nav button')];

  function showSection(formId) {
    for (const b of sectionButtons) {
      const shown = b.getAttribute('aria-controls') === formId;
      b.setAttribute('aria-pressed', String(shown));
      document.getElementById(b.getAttribute('aria-controls')).hidden = !shown;
    }
  }

  // TK-300 offers neither MMS nor e-mail, TK-300G MMS only.
  function applyModelRule() {
    const model = document.getElementById('ComboBox_Camera_Model').selectedIndex;
    const [, mmsButton, emailButton] = sectionButtons;
    mmsButton.disabled = model >= 0 && model < kModelsWithMms;
    emailButton.disabled = model >= 0 && model < kModelsWithEmail;
    const current = sectionButtons.find((b) => b.getAttribute('aria-pressed') === 'true');
    if (current && current.disabled) showSection('camera');
  }

  function setLanguage(block) {
    language = block;
    document.documentElement.lang = kLanguageTags[block];
    applyTexts();
  }

  const languages = document.getElementById('ComboBox_Select_Language');
  fillList(languages, Array.from({ length: core.languageCount }, (_, i) => kFirstLanguageName + i));
  languages.addEventListener('change', () => setLanguage(languages.selectedIndex));
  document.getElementById('ComboBox_Camera_Model').addEventListener('change', applyModelRule);
  for (const b of sectionButtons) b.addEventListener('click', () => showSection(b.getAttribute('aria-controls')));

  buildCamera(document.getElementById('camera'));
  buildMms(document.getElementById('mms'));
  buildEmail(document.getElementById('email'));
  for (const form of document.forms) {
    form.addEventListener('submit', (event) => event.preventDefault());
    // After the controls' own listeners, which may change other controls.
    for (const type of ['input', 'change']) form.addEventListener(type, () => refreshAdvice(form));
  }
  applyTexts();
  showSection('camera');
  applyModelRule();
  document.getElementById('loading').remove();
  document.body.dataset.ready = 'true';
})();
