// Advice beside the field it concerns, as the user changes it, tied to the field for
// screen readers, and with the result after Generate. The page only shows what the
// core says.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import {
  cliBytes, control, generateDownload, launch, pageSession, resultText, servePage, setForm, showSection,
} from './support.mjs';

let browser;
let server;
before(async () => { browser = await launch(); server = await servePage(); });
after(async () => { await browser.close(); server.close(); });

const withPage = (options, body) => pageSession(browser, server.url, options, body);

// The text of what the control's aria-describedby names, advice notes only; '' for none.
async function adviceOf(page, formId, name) {
  return control(page, formId, name).evaluate((node) => (node.getAttribute('aria-describedby') || '')
    .split(' ').filter(Boolean).map((id) => document.getElementById(id))
    .filter((note) => note && note.classList.contains('advice') && !note.hidden)
    .map((note) => note.textContent).join('\n'));
}

describe('advice beside the field, as it changes', () => {
  // Each case: the form, the settings that draw the advice, what it says, and settings
  // just outside the rule, after which the field has none.
  const kCases = [
    { kind: 'mms', field: 'ComboBox_Operator',
      settings: [['ComboBox_Country', 'Australia'], ['ComboBox_Operator', 'Telstra']],
      says: /^Warning: Telstra \(Australia\) switched its 2G network off on 1 December 2016.*\(source: /,
      outside: [['ComboBox_Country', 'Deutschland'], ['ComboBox_Operator', 'O2']] },
    { kind: 'mms', field: 'Edit_Mobile2', settings: [['Edit_Mobile2', '0171 2345678']],
      says: /^Warning: "0171 2345678" holds spaces or other signs/, outside: [['Edit_Mobile2', '+4917112345678']] },
    { kind: 'email', field: 'Edit_SenderEmail', settings: [['Edit_SenderEmail', 'me@gmail.com']],
      says: /Gmail has refused it since 30 May 2022; an app password does not help/,
      outside: [['Edit_SenderEmail', 'me@example.org']] },
    { kind: 'email', field: 'Edit_Email3', settings: [['Edit_Email3', '5551234567@txt.att.net']],
      says: /e-mail-to-text gateway, which closed on 17 June 2025/, outside: [['Edit_Email3', 'me@example.org']] },
  ];
  for (const { kind, field, settings, says, outside } of kCases) {
    test(`${kind}: ${field}`, () => withPage({}, async (page) => {
      assert.equal(await adviceOf(page, kind, field), '');
      await setForm(page, kind, settings);
      assert.match(await adviceOf(page, kind, field), says);
      await setForm(page, kind, outside);
      assert.equal(await adviceOf(page, kind, field), '');
    }));
  }

  test('camera: a clock in summer time, in the computer\'s time zone', () =>
    withPage({ context: { timezoneId: 'Europe/Berlin' } }, async (page) => {
      await showSection(page, 'camera');
      assert.equal(await adviceOf(page, 'camera', 'Edit_SetClock'), '', 'March is winter time');
      await page.clock.setFixedTime(new Date('2026-07-01T12:00:00'));
      await control(page, 'camera', 'Button_GetTime').click();
      assert.match(await adviceOf(page, 'camera', 'Edit_SetClock'),
        /^Notice: The clock is set in summer time .* from 25 October 2026 it will be an hour ahead/);
    }));
});

test('the result after Generate carries the advice; the bytes are the ones asked for', () => withPage({}, async (page) => {
  await setForm(page, 'mms', [['ComboBox_Country', 'Australia'], ['ComboBox_Operator', 'Telstra']]);
  const file = await generateDownload(page, 'mms');
  assert.deepEqual(file.bytes, cliBytes('mms', ['--country', 'Australia', '--operator', 'Telstra', '--quiet']));
  const result = await resultText(page, 'mms');
  assert.match(result, /downloaded/);
  assert.match(result, /Warning: Telstra \(Australia\) switched its 2G network off/);
}));
