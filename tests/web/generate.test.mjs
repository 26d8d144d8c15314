// Generate writes the bytes the command line writes, by download and into a folder.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { kCases } from './cases.mjs';
import { cliBytes, generateDownload, generateIntoFolder, kFileNames, launch, openPage, servePage, setForm } from './support.mjs';

let browser;
let server;
before(async () => { browser = await launch(); server = await servePage(); });
after(async () => { await browser.close(); server.close(); });

for (const { kind, title, page: settings, cli } of kCases) {
  describe(`${kind}: ${title}`, () => {
    test('download', async () => {
      const page = await openPage(browser, server.url);
      await setForm(page, kind, settings);
      const file = await generateDownload(page, kind);
      assert.equal(file.name, kFileNames[kind]);
      assert.deepEqual(file.bytes, cliBytes(kind, cli));
      assert.deepEqual(page.errors, []);
      await page.context().close();
    });
    test('card folder', async () => {
      const page = await openPage(browser, server.url, { folder: true });
      await setForm(page, kind, settings);
      assert.deepEqual(await generateIntoFolder(page, kind, kFileNames[kind]), cliBytes(kind, cli));
      await page.context().close();
    });
  });
}
