// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and memory of the one-file web page in headless Chromium, against a bare page
// with one label (bare.html), in one browser, the two loaded in turn (interleaved), each
// load in a fresh browser context of its own (nothing cached from the load before).
//
// For each load, on the page's own clock (performance.now(), 0 at the navigation's start):
//   painted   the first frame after the start screen is up (<html data-ready="1">; in the
//             bare page, set by its last line): a requestAnimationFrame callback after
//             the marker, then a message posted from it, which runs once that frame is
//             handed to the compositor;
//   answering the first frame after VIA answers: from the navigation's start the harness
//             clicks VIA's place with real mouse events, one after the other, until one
//             puts a question on screen (#LbCodice shows a number);
//   fcp       the browser's own first-contentful-paint, for reference;
//   and where the time goes: the file read (responseEnd), parsed with its inline
//   script run (domInteractive), the load event over (loadEventEnd), and the moment
//   the page marks its start screen up (readyAt, before the frame that shows it).
// Then the file's size, and the memory of the tab's renderer process two seconds after
// the start screen is up: VmRSS and RssAnon from /proc/<pid>/status, Pss and private
// memory from /proc/<pid>/smaps_rollup, and the JavaScript heap in use (DevTools'
// Performance.getMetrics). See memory() for how the tab's renderer is found.
import { readFileSync, statSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { launch, pageFile } from '../../tests/web/harness.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const runs = Number(process.env.BENCH_WEB_RUNS ?? 9);
const pages = { page: pathToFileURL(pageFile).href,
                bare: pathToFileURL(path.join(here, 'bare.html')).href };

function marks() {
    const t = (window.__bench = {});
    const frameAfter = key => requestAnimationFrame(() => {
        const channel = new MessageChannel();
        channel.port1.onmessage = () => {
            t[key] = performance.now();
            if (key === 'answering')
                window.__benchDone?.();
        };
        channel.port2.postMessage(0);
    });
    new MutationObserver(() => {
        const html = document.documentElement;
        if (!t.readyAt && html.getAttribute('data-ready') === '1') {
            t.readyAt = performance.now();
            frameAfter('painted');
        }
        if (!t.answeredAt && /^\d+$/.test(document.getElementById('LbCodice')?.textContent.trim())) {
            t.answeredAt = performance.now();
            frameAfter('answering');
        }
    }).observe(document, { attributes: true, childList: true, subtree: true, characterData: true });
}

// One load; with `via`, clicking VIA's place from the navigation's start until it answers.
async function loadOnce(browser, url, via) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    await page.evaluateOnNewDocument(marks);
    let done = false;
    await page.exposeFunction('__benchDone', () => { done = true; });
    const navigation = page.goto(url, { waitUntil: 'load', timeout: 30000 });
    // Clicks at VIA's place until one is answered; before the page is up they fall on nothing.
    const giveUp = Date.now() + 20000;
    while (via && !done) {
        if (Date.now() > giveUp)
            throw new Error(`no click on VIA was answered in 20 s: ${url}`);
        await page.mouse.click(via.x, via.y).catch(() => {});
        await new Promise(r => setTimeout(r, 2));
    }
    await navigation;
    await page.waitForFunction(v => window.__bench.painted && (!v || window.__bench.answering),
                               { timeout: 10000 }, Boolean(via));
    await page.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length,
                               { timeout: 5000 });
    const t = await page.evaluate(() => {
        const n = performance.getEntriesByType('navigation')[0];
        return { ...window.__bench,
                 fcp: performance.getEntriesByName('first-contentful-paint')[0].startTime,
                 read: n.responseEnd, parsed: n.domInteractive, loaded: n.loadEventEnd };
    });
    await context.close();
    return t;
}

// Where VIA is, once, on a load that is not measured.
async function placeOfVia(browser, url) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    await page.goto(url);
    await page.waitForSelector('html[data-ready="1"]');
    const place = await page.$eval('#VIA', e => {
        const r = e.getBoundingClientRect();
        return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
    });
    await context.close();
    return place;
}

async function rendererPids(session) {
    const { processInfo } = await session.send('SystemInfo.getProcessInfo');
    return processInfo.filter(p => p.type === 'renderer').map(p => p.id);
}

function kib(file, field) {
    try {
        const m = readFileSync(file, 'utf8').match(new RegExp(`^${field}:\\s+(\\d+) kB`, 'm'));
        return m ? Number(m[1]) : NaN;
    } catch {
        return NaN; // the process has gone
    }
}

function usage(pid) {
    const rollup = `/proc/${pid}/smaps_rollup`;
    return { rss: kib(`/proc/${pid}/status`, 'VmRSS') / 1024,
             anon: kib(`/proc/${pid}/status`, 'RssAnon') / 1024,
             pss: kib(rollup, 'Pss') / 1024,
             priv: (kib(rollup, 'Private_Clean') + kib(rollup, 'Private_Dirty')) / 1024 };
}

// The tab's memory two seconds after its start screen is up. Chromium runs several
// renderers (the default tab, a spare one kept warm); the tab's is the one whose
// resident memory grows by 128 MiB when the tab then fills an array of that size,
// so every renderer is read first and the probe comes after.
async function memory(browser, url) {
    const session = await browser.target().createCDPSession();
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    await page.goto(url);
    await page.waitForSelector('html[data-ready="1"]');
    await new Promise(r => setTimeout(r, 2000));
    const pids = await rendererPids(session);
    const before = new Map(pids.map(pid => [pid, usage(pid)]));
    const heap = (await page.metrics()).JSHeapUsedSize / 1048576;
    await page.evaluate(() => { window.__probe = new Uint8Array(128 << 20).fill(1); });
    const grown = pids.filter(pid => usage(pid).rss - before.get(pid).rss > 100);
    await context.close();
    await session.detach();
    if (grown.length !== 1)
        throw new Error(`cannot tell the tab's renderer among ${pids.join(' ')}`);
    return { pid: grown[0], ...before.get(grown[0]), heap };
}

const median = xs => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const range = xs => `${Math.min(...xs).toFixed(0)}–${Math.max(...xs).toFixed(0)}`;

const chromium = await launch();
try {
    const browser = chromium.browser;
    console.log(`Chromium ${await browser.version()}, ${runs} loads of each, interleaved`);
    const via = { page: await placeOfVia(browser, pages.page),
                  bare: await placeOfVia(browser, pages.bare) };
    const times = { page: [], bare: [] };
    // The clicks would hold up the frames a little: the paint is timed on loads without them.
    for (let i = 0; i < runs; ++i)
        for (const which of i % 2 ? ['bare', 'page'] : ['page', 'bare'])
            times[which].push({ ...await loadOnce(browser, pages[which], null),
                                answering: (await loadOnce(browser, pages[which], via[which])).answering });
    const row = (which, key) => times[which].map(t => t[key]);
    // Also the median of the ratio within each round: the two loads of a round meet
    // about the same load of the machine.
    const roundRatio = key => median(times.page.map((t, i) => t[key] / times.bare[i][key]));
    console.log('\nms from navigation start  median  (range)        bare page median  ratio' +
                '  ratio in rounds');
    for (const key of ['read', 'parsed', 'loaded', 'readyAt', 'painted', 'answering', 'fcp']) {
        const p = median(row('page', key)), b = median(row('bare', key));
        console.log(`${key.padEnd(24)} ${p.toFixed(1).padStart(7)}  (${range(row('page', key))})` +
                    `${b.toFixed(1).padStart(18)}  ${(p / b).toFixed(2)}×` +
                    `${roundRatio(key).toFixed(2).padStart(10)}×`);
    }
    const size = statSync(pageFile).size;
    console.log(`\nfile size: ${size} bytes = ${(size / 1048576).toFixed(2)} MiB` +
                ` (${(size / 1e6).toFixed(2)} MB)`);
    const mem = { page: await memory(browser, pages.page), bare: await memory(browser, pages.bare) };
    console.log('\nMiB, the tab\'s renderer  VmRSS  RssAnon    Pss  private  JS heap used');
    for (const which of ['page', 'bare']) {
        const m = mem[which];
        console.log(`${which.padEnd(23)} ${[m.rss, m.anon, m.pss, m.priv, m.heap]
            .map(x => x.toFixed(1).padStart(7)).join('  ')}`);
    }
    const painted = median(row('page', 'painted')) / median(row('bare', 'painted'));
    const answering = median(row('page', 'answering')) / median(row('bare', 'answering'));
    console.log('\nagainst the targets:');
    console.log(`  start screen painted ≤ 2× bare: ${painted.toFixed(2)}× ${painted <= 2 ? 'met' : 'MISSED'}`);
    console.log(`  VIA answering ≤ 2× bare:        ${answering.toFixed(2)}× ${answering <= 2 ? 'met' : 'MISSED'}`);
    console.log(`  file ≤ 2.5 MB:                  ${(size / 1e6).toFixed(2)} MB ${size <= 2.5e6 ? 'met' : 'MISSED'}`);
    console.log(`  tab memory ≤ 64 MiB (Pss):      ${mem.page.pss.toFixed(1)} MiB ${mem.page.pss <= 64 ? 'met' : 'MISSED'}` +
                ` (VmRSS ${mem.page.rss.toFixed(1)} MiB ${mem.page.rss <= 64 ? 'met' : 'MISSED'})`);
} finally {
    await chromium.close();
}
