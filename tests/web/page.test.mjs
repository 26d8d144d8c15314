// The page's rules, refusals, accessibility, keyboard use and working from a file
// with no network.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { after, before, describe, test } from 'node:test';
import AxeBuilder from '@axe-core/playwright';
import {
  cliBytes, control, fileUrl, form, generate, generateDownload, generateIntoFolder, kFileNames, launch,
  pageSession, resultText, servePage, setForm, showSection,
} from './support.mjs';

let browser;
let server;
before(async () => { browser = await launch(); server = await servePage(); });
after(async () => { await browser.close(); server.close(); });

const withPage = (options, body) => pageSession(browser, options.url || server.url, options, body);

const selectedIndex = (page, formId, name) => control(page, formId, name).evaluate((list) => list.selectedIndex);
const isDisabled = (page, formId, name) => control(page, formId, name).isDisabled();

describe('refusals name the field and write nothing', () => {
  const kUnwritable = [
    { kind: 'mms', settings: [['ComboBox_MMSMode', 'Manual'], ['Edit_URL', 'mms€']], field: 'Edit_URL', says: /URL.*U\+20AC/ },
    { kind: 'email', settings: [['Edit_SenderEmail', 'cam\u0007@example.org']], field: 'Edit_SenderEmail', says: /Sender Email.*U\+0007/ },
    { kind: 'email', settings: [['MaskEdit_SenderPassword', 'pass😀']], field: 'MaskEdit_SenderPassword', says: /Password.*U\+1F600/ },
  ];
  for (const { kind, settings, field, says } of kUnwritable) {
    test(`${kind}: a character the camera cannot store in ${field}`, () => withPage({ folder: true }, async (page) => {
      await setForm(page, kind, settings);
      assert.equal(await generateIntoFolder(page, kind, kFileNames[kind]), null);
      assert.match(await resultText(page, kind), says);
      assert.equal(await control(page, kind, field).getAttribute('aria-invalid'), 'true');
      assert.equal(await page.evaluate(() => document.activeElement.name), field);
    }));
  }

  for (const kind of ['mms', 'email']) {
    test(`${kind}: an Auto operator that is not in the catalogue`, () => withPage({ folder: true }, async (page) => {
      await showSection(page, kind);
      await control(page, kind, 'ComboBox_Operator').evaluate((list) => {
        list.add(new Option('Nobody'));
        list.value = 'Nobody';
      });
      assert.equal(await generateIntoFolder(page, kind, kFileNames[kind]), null);
      assert.match(await resultText(page, kind), /"Nobody" of "China" is not in the operator catalogue/);
    }));
  }
});

test('a write the card folder refuses is reported as a failure with its reason', () => withPage({ folder: true }, async (page) => {
  await control(page, 'camera', 'Button_Select').click();
  await page.waitForFunction(() => !document.querySelector('button[name="Button_OpenFromCard"]').hidden);
  // A folder where the file should go: the browser cannot make a file of that name.
  await page.evaluate(async () => (await navigator.storage.getDirectory()).getDirectoryHandle('CAMERASETUP.dat', { create: true }));
  const said = await generate(page, 'camera');
  assert.match(said, /could not be written/);
  assert.equal(await form(page, 'camera').locator('.result.failed').count(), 1);
}));

describe('the dialogs\' rules', () => {
  test('the camera model decides which settings can be opened', () => withPage({}, async (page) => {
    const enabled = async () => Promise.all(['Button_Camera_Setup', 'Button_MMS_Setup', 'Button_Smtp_Setup']
      .map((name) => page.locator(`nav [name="${name}"]`).isEnabled()));
    assert.deepEqual(await enabled(), [true, true, true]);
    await showSection(page, 'email');
    for (const [model, expected] of [['TK-300G', [true, true, false]], ['TK-300', [true, false, false]],
      ['TK-300GE', [true, true, true]]]) {
      await page.selectOption('#ComboBox_Camera_Model', { label: model });
      assert.deepEqual(await enabled(), expected, model);
    }
    assert.equal(await form(page, 'camera').isVisible(), true, 'a section that closes gives way to the camera');
  }));

  test('camera: a switch Off resets and disables its lists, On enables them', () => withPage({}, async (page) => {
    assert.equal(await isDisabled(page, 'camera', 'ComboBox_Interval_Minute'), true);
    await setForm(page, 'camera', [['ComboBox_Interval_OnOff', 'On'], ['ComboBox_Interval_Minute', '7']]);
    assert.equal(await isDisabled(page, 'camera', 'ComboBox_Interval_Minute'), false);
    await setForm(page, 'camera', [['ComboBox_Interval_OnOff', 'Off']]);
    assert.equal(await selectedIndex(page, 'camera', 'ComboBox_Interval_Minute'), 0);
    assert.equal(await isDisabled(page, 'camera', 'ComboBox_Interval_Minute'), true);
  }));

  test('camera: the clock as the dialog shows it, Get Time and Default', () => withPage({}, async (page) => {
    const clock = () => control(page, 'camera', 'Edit_SetClock').textContent();
    assert.equal(await clock(), '    4/3/2026  5:6:7');
    await page.clock.setFixedTime(new Date('2026-12-31T23:59:58'));
    await setForm(page, 'camera', [['ComboBox_SetClock_DateFormat', 'Y/M/D']]);
    assert.equal(await clock(), '    2026/12/31  23:59:58');
    await control(page, 'camera', 'Button_Default').click();
    assert.equal(await clock(), '    1/1/2012  0:0:0');
  }));

  test('MMS: Auto shows what Generate writes beside the empty fields; Manual opens them', () => withPage({}, async (page) => {
    await showSection(page, 'mms');
    assert.equal(await control(page, 'mms', 'Edit_URL').inputValue(), '');
    assert.equal(await control(page, 'mms', 'Edit_URL').getAttribute('readonly'), '');
    assert.match(await control(page, 'mms', 'Auto_Edit_URL').textContent(), /http:\/\/mmsc\.monternet\.com/);
    await setForm(page, 'mms', [['ComboBox_Country', 'United States']]);
    assert.match(await control(page, 'mms', 'Auto_Edit_APN').textContent(), /\S/);
    assert.equal(await control(page, 'mms', 'ComboBox_Operator').inputValue(), 'T-Mobile');
    await setForm(page, 'mms', [['ComboBox_MMSMode', 'Manual']]);
    assert.equal(await control(page, 'mms', 'ComboBox_Country').inputValue(), 'Other');
    assert.equal(await isDisabled(page, 'mms', 'ComboBox_Operator'), true);
    assert.equal(await control(page, 'mms', 'Auto_Edit_URL').isVisible(), false);
    assert.equal(await control(page, 'mms', 'Edit_URL').getAttribute('readonly'), null);
  }));

  test('e-mail: an operator\'s SMTP preset fills server and port, others leave them', () => withPage({}, async (page) => {
    const server = () => control(page, 'email', 'Edit_SmtpServer').inputValue();
    await setForm(page, 'email', [['ComboBox_Country', 'Deutschland']]);
    assert.equal(await server(), 'smtp.vodafone.de');
    assert.equal(await control(page, 'email', 'Edit_Port').inputValue(), '25');
    await setForm(page, 'email', [['ComboBox_Country', 'United Kingdom']]);
    assert.equal(await control(page, 'email', 'ComboBox_Operator').inputValue(), 'Vodafone');
    assert.equal(await server(), 'smtp.vodafone.de');
  }));

  test('the number per day takes digits only and an empty one means 0', () => withPage({}, async (page) => {
    await showSection(page, 'email');
    const number = control(page, 'email', 'Edit_MMSNumberPerDay');
    await number.fill('');
    await number.pressSequentially('a-5 x');
    assert.equal(await number.inputValue(), '5');
    await number.fill('');
    await number.blur();
    assert.equal(await number.inputValue(), '0');
    await setForm(page, 'email', [['ComboBox_DailyReport_OnOff', 'On'], ['ComboBox_DailyReport_Hour', '9']]);
    await setForm(page, 'email', [['ComboBox_DailyReport_OnOff', 'Off']]);
    assert.equal(await selectedIndex(page, 'email', 'ComboBox_DailyReport_Hour'), 0);
    assert.equal(await isDisabled(page, 'email', 'ComboBox_DailyReport_Hour'), true);
  }));

  test('another language, with English where its block lacks a string', () => withPage({}, async (page) => {
    await page.selectOption('#ComboBox_Select_Language', { index: 1 });
    assert.equal(await page.getAttribute('html', 'lang'), 'de');
    assert.notEqual(await form(page, 'camera').locator('label[for="camera-ComboBox_Mode"]').textContent(), 'Mode');
    await page.selectOption('#ComboBox_Select_Language', { index: 2 });
    await showSection(page, 'mms');
    const status = await control(page, 'mms', 'ComboBox_MMSStatus').evaluate((list) => list.options[1].text);
    assert.equal(status, '800x600');
  }));
});

describe('accessibility', () => {
  for (const language of [0, 2]) {
    for (const section of ['camera', 'mms', 'email']) {
      test(`axe finds nothing: ${section}, language block ${language}`, () => withPage({}, async (page) => {
        await page.selectOption('#ComboBox_Select_Language', { index: language });
        await showSection(page, section);
        const { violations } = await new AxeBuilder({ page }).analyze();
        assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), []);
      }));
    }
  }

  test('a 360-pixel-wide screen scrolls vertically only', () => withPage({ context: { viewport: { width: 360, height: 740 } } }, async (page) => {
    for (const section of ['camera', 'mms', 'email']) {
      await showSection(page, section);
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360), section);
    }
  }));
});

describe('by keyboard alone', () => {
  async function tabTo(page, name) {
    for (let presses = 0; presses < 250; ++presses) {
      await page.keyboard.press('Tab');
      if (await page.evaluate((n) => document.activeElement.name === n, name)) return;
    }
    throw new Error(`Tab never reaches ${name}`);
  }

  async function pressForDownload(page, key) {
    const [download] = await Promise.all([page.waitForEvent('download'), page.keyboard.press(key)]);
    return readFile(await download.path());
  }

  const kFlows = [
    { kind: 'camera', open: null, steps: [['ComboBox_PhotoSize', 'ArrowDown'], ['ComboBox_Interval_OnOff', 'ArrowUp'],
      ['ComboBox_Interval_Minute', 'ArrowDown']], press: 'Enter',
      cli: ['--photo-size', '8MP', '--interval', 'on', '--interval-minute', '1'] },
    { kind: 'mms', open: ['Button_MMS_Setup', 'Space'], steps: [['ComboBox_MMSMode', 'ArrowDown'],
      ['Edit_URL', 'type:http://mms.example'], ['Edit_Mobile2', 'type:+4912345']], press: 'Enter',
      cli: ['--mode', 'manual', '--url', 'http://mms.example', '--mobile2', '+4912345'] },
    { kind: 'email', open: ['Button_Smtp_Setup', 'Enter'], steps: [['ComboBox_Country', 'ArrowDown'],
      ['Edit_SenderEmail', 'type:cam@example.org']], press: 'Space',
      cli: ['--country', 'United States', '--operator', 'T-Mobile', '--sender', 'cam@example.org'] },
  ];
  for (const { kind, open, steps, press, cli } of kFlows) {
    test(kind, () => withPage({}, async (page) => {
      if (open) {
        await tabTo(page, open[0]);
        await page.keyboard.press(open[1]);
      }
      for (const [name, key] of steps) {
        await tabTo(page, name);
        if (key.startsWith('type:')) await page.keyboard.type(key.slice(5));
        else await page.keyboard.press(key);
      }
      await tabTo(page, 'Button_Generate');
      assert.deepEqual(await pressForDownload(page, press), cliBytes(kind, cli));
      assert.match(await resultText(page, kind), /downloaded/);
    }));
  }
});

test('opened from a file with the network blocked, the page writes all three files', () =>
  withPage({ url: fileUrl, blockNetwork: true }, async (page) => {
    for (const kind of ['camera', 'mms', 'email']) {
      await showSection(page, kind);
      const file = await generateDownload(page, kind);
      assert.equal(file.name, kFileNames[kind]);
      assert.deepEqual(file.bytes, cliBytes(kind, []));
    }
    assert.deepEqual(page.blocked, [], 'the page asked the network for nothing');
  }));
