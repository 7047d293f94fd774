// Starts Debian's Chromium through Playwright the way every browser test and the benchmark need
// it: headless, no network of its own, a fresh profile each time.
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

export const CHROMIUM = process.env.TQ_CHROMIUM || '/usr/bin/chromium';

// A persistent context on a new profile folder (service workers and storage behave as for a
// person); close() also removes the folder.
export async function launch(options = {}) {
  const profile = await fs.mkdtemp(path.join(os.tmpdir(), 'tq-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width: 390, height: 844 },
    ...options,
  });
  return {
    context,
    close: async () => {
      await context.close();
      await fs.rm(profile, { recursive: true, force: true });
    },
  };
}
