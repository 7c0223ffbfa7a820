// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the one-file page in headless Chromium, as a pupil's browser would from a USB
// stick, and watches it: every request for anything but the file itself is blocked and
// counted as a fault, and so is every console error and every uncaught exception.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const here = path.dirname(fileURLToPath(import.meta.url));
export const root = path.resolve(here, '../..');
export const pageFile =
    process.env.FRAZIONI_WEB_PAGE ?? path.join(root, 'build-web', 'frazioni.html');
const pageUrl = pathToFileURL(pageFile).href;

// The bank, the grades and the rows of dots, as the core itself prints them.
export function bank() {
    const dump =
        process.env.FRAZIONI_BANKDUMP ?? path.join(root, 'build', 'tests', 'web', 'web_bankdump');
    return JSON.parse(execFileSync(dump, { encoding: 'utf8' }));
}

// Chromium as a classroom machine runs it, less everything that would reach the
// network or the machine's own profile: a fresh profile each time.
export async function launch() {
    const profile = mkdtempSync(path.join(tmpdir(), 'frazioni-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        headless: true,
        userDataDir: profile,
        args: [
            '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--disable-features=Translate,MediaRouter', '--mute-audio',
        ],
    });
    return {
        browser,
        async close() {
            await browser.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// Scripts that run in the page before its own, to watch it from inside: the keys that
// reach it, and the feedback each answer showed while the pause held the input.
function watchers() {
    window.__keys = 0;
    window.addEventListener('keydown', () => ++window.__keys, true);
    window.__feedback = [];
    new MutationObserver(() => {
        const busy = document.documentElement.getAttribute('data-busy') === '1';
        if (busy && !window.__wasBusy)
            window.__feedback.push(document.getElementById('gratifica')?.textContent.trim());
        window.__wasBusy = busy;
    }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-busy'] });
}

// Makes the page's random draws put the questions of `rows` first, in that order: the
// page draws from Math.random, so a draw of (row + 0.5) / 42 puts that row.
export function pinQuestions(rows) {
    return `(() => {
        const queue = ${JSON.stringify(rows)}.map(r => (r + 0.5) / 42);
        const real = Math.random;
        Math.random = () => (queue.length ? queue.shift() : real());
    })()`;
}

// Makes the page's random draws a fixed sequence from `seed` (mulberry32), so that a
// whole pass puts its questions in the same order on every run.
export function seededRandom(seed) {
    return `(() => {
        let a = ${seed} >>> 0;
        Math.random = () => {
            a = (a + 0x6d2b79f5) >>> 0;
            let t = a;
            t = Math.imul(t ^ (t >>> 15), t | 1);
            t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
            return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
        };
    })()`;
}

// Opens the page in a window of its own (a browser context of its own, so that two
// pages played side by side are both in front) at `width` x `height`, with a touch
// screen when `touch`; `query` is the URL's parameters. Waits for the start screen.
export async function open(browser, { width = 1024, height = 768, touch = false, query = '',
                                      before = [] } = {}) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const faults = [];
    const warnings = [];
    page.on('console', m => {
        if (m.type() === 'error')
            faults.push(`console error: ${m.text()}`);
        else if (m.type() === 'warn' || m.type() === 'warning')
            warnings.push(m.text());
    });
    page.on('pageerror', e => faults.push(`uncaught: ${e.message}`));
    await page.setRequestInterception(true);
    page.on('request', r => {
        const url = r.url();
        if (url.split(/[?#]/)[0] === pageUrl || /^(data|blob):/.test(url))
            return r.continue();
        faults.push(`request outside the file: ${url}`);
        return r.abort('blockedbyclient');
    });
    await page.setViewport({ width, height, hasTouch: touch });
    await page.evaluateOnNewDocument(watchers);
    for (const script of before)
        await page.evaluateOnNewDocument(script);
    await page.goto(pageUrl + query, { waitUntil: 'load' });
    await page.waitForSelector('html[data-ready="1"]', { timeout: 20000 });
    return new PageHandle(page, context, faults, warnings);
}

export class PageHandle {
    constructor(page, context, faults, warnings) {
        Object.assign(this, { page, context, faults, warnings });
    }
    async close() {
        await this.context.close();
    }
    // No console error, uncaught exception or request outside the file so far.
    checkClean() {
        assert.deepEqual(this.faults, []);
    }
    // The text a label or button shows, or what a box holds; null when there is no such control.
    text(id) {
        return this.page.evaluate(id => {
            const e = document.getElementById(id);
            return e === null ? null : e.matches('input') ? e.value : e.textContent.trim();
        }, id);
    }
    visible(id) {
        return this.page.evaluate(id => {
            const e = document.getElementById(id);
            return e !== null && !e.hidden &&
                   e.checkVisibility({ visibilityProperty: true, opacityProperty: false });
        }, id);
    }
    focused() {
        return this.page.evaluate(() => document.activeElement?.id ?? '');
    }
    async counters() {
        return `${await this.text('LbRisposte')}/${await this.text('LbErrori')}`;
    }
    // The centre of a control in the viewport's pixels.
    async centre(id) {
        const box = await this.page.evaluate(id => {
            const r = document.getElementById(id).getBoundingClientRect();
            return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
        }, id);
        return box;
    }
    async click(id) {
        const { x, y } = await this.centre(id);
        await this.page.mouse.click(x, y);
    }
    async tap(id) {
        const { x, y } = await this.centre(id);
        await this.page.touchscreen.tap(x, y);
    }
    // Waits for the feedback of `count` answers in all, and for their pause to end.
    async settle(count) {
        await this.page.waitForFunction(
            n => window.__feedback.length >= n &&
                 document.documentElement.getAttribute('data-busy') !== '1',
            { timeout: 10000, polling: 50 }, count);
        // Two frames more: what follows the pause (a results window) is on screen by then.
        await this.page.evaluate(() => new Promise(r => requestAnimationFrame(() =>
            requestAnimationFrame(r))));
    }
    feedback() {
        return this.page.evaluate(() => window.__feedback.slice());
    }
    keys() {
        return this.page.evaluate(() => window.__keys);
    }
}
