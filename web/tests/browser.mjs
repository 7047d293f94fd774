// Starts Debian's Chromium through Playwright the way every browser test and the benchmark need
// it: headless, no network of its own, a fresh profile for each context.
import { chromium } from 'playwright-core';

export const CHROMIUM = process.env.TQ_CHROMIUM || '/usr/bin/chromium';

// One browser for a whole test file; each context in it starts with no storage, cache or
// service worker, as a first visit does.
export async function launchBrowser() {
  return chromium.launch({
    executablePath: CHROMIUM,
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// A context on a fresh profile with the given options (viewport, locale, colorScheme).
export async function launch(options = {}, browser = null) {
  const owned = browser === null;
  const used = owned ? await launchBrowser() : browser;
  const context = await used.newContext({ viewport: { width: 390, height: 844 }, ...options });
  return {
    context,
    close: async () => {
      await context.close();
      if (owned) await used.close();
    },
  };
}
