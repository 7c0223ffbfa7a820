// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted pupil's hands: it answers the question on screen right or wrong, with
// the mouse and the keyboard, the keyboard alone, or taps alone through the number pad,
// and reads and closes each results window. The answers come from the bank as the
// core prints it (harness.mjs, bank()).
import assert from 'node:assert/strict';
import { bank } from './harness.mjs';

export const core = bank();
export const kind = { NumeroSuiSegmenti: 1, CliccaSegmento: 2, CliccaMisura: 3, QuattroMisure: 4,
               NumeroSulRettangolo: 5, CliccaRettangolo: 6 };
// What a question answered by a click offers, in the order of the bank's places 1..3
// (the rectangles left to right: the middle frame is FrRet1).
export function choices(k) {
    if (k === kind.CliccaSegmento)
        return ['FrSegmento1', 'FrSegmento2', 'FrSegmento3'];
    if (k === kind.CliccaMisura)
        return ['LbRisposta1', 'LbRisposta2', 'LbRisposta3'];
    return ['FrRet2', 'FrRet1', 'FrRet3'];
}
// The units of the three segments, from the questions that ask for them.
const segmentUnits = [1, 2, 3].map(n => core.questions.find(
    q => q.kind === kind.NumeroSuiSegmenti && q.text.includes(`nel ${n}° segmento`)).answer);

// The three ways: each way presses a control, types a number into a box and closes a
// results window in its own way.
export class Pupil {
    constructor(handle, way) {
        Object.assign(this, { h: handle, way, seen: [] });
    }
    // The question on screen, by the row #LbCodice shows.
    async question() {
        return core.questions[Number(await this.h.text('LbCodice'))];
    }
    get taps() { return this.way === 'taps'; }
    // A control: clicked, tapped, or reached with Tab and pressed with Enter; the
    // keyboard alone falls back to the mouse where Tab does not reach (counted).
    async press(id) {
        if (this.taps)
            return this.h.tap(id);
        if (this.way === 'keyboard') {
            for (let i = 0; i < 40 && await this.h.focused() !== id; ++i)
                await this.h.page.keyboard.press('Tab');
            if (await this.h.focused() === id)
                return this.h.page.keyboard.press('Enter');
            this.mouseFallbacks = (this.mouseFallbacks ?? 0) + 1;
        }
        return this.h.click(id);
    }
    // Types a number (or a word) into the box that holds the keyboard and presses
    // Enter; at the pad, a slip put right with the pad's Backspace, then the digits
    // and INVIO.
    async type(box, number) {
        const h = this.h;
        if (!this.taps) {
            assert.equal(await h.focused(), box);
            await h.page.keyboard.type(number);
            return h.page.keyboard.press('Enter');
        }
        const key = async digit => {
            for (let d = 0; d <= 9; ++d)
                if (await h.text(`Tasto${d}`) === digit)
                    return `Tasto${d}`;
            assert.fail(`no pad key shows ${digit}`);
        };
        await h.tap(await key('7'));
        await h.tap('TastoCancella');
        for (const digit of number)
            await h.tap(await key(digit));
        assert.equal(await h.text(box), number);
        return h.tap('INVIO');
    }
    // Answers right or wrong: the next choice, a number three too big, a word (at the
    // pad, which has no letters, nothing); waits for each answer's pause to end.
    async answer(q, right) {
        const steps = [];
        if (q.kind === kind.QuattroMisure) {
            const cm = [1, ...segmentUnits].map(u => String(q.answer * u));
            for (let i = 0; i < (right ? 4 : 1); ++i)
                steps.push(() => this.type(`Inp${i + 1}`, right ? cm[i] : this.taps ? '' : 'nove'));
        } else if (q.kind === kind.NumeroSuiSegmenti || q.kind === kind.NumeroSulRettangolo) {
            steps.push(() => this.type('Text1', String(right ? q.answer : q.answer + 3)));
        } else {
            steps.push(() => this.press(choices(q.kind)[(right ? q.answer - 1 : q.answer) % 3]));
        }
        for (const step of steps) {
            const judged = (await this.h.feedback()).length + 1;
            await step();
            await this.h.settle(judged);
            await this.readResults();
        }
    }
    // A results window, when one is open: its place, grade word and the dots of each
    // row; no key but a fresh Enter closes it, then PROSEGUI or Enter does.
    async readResults() {
        const h = this.h;
        if (!await h.visible('Classifica'))
            return;
        const shown = await h.page.evaluate(rows => {
            const form = document.getElementById('Form1').getBoundingClientRect();
            const box = document.getElementById('Classifica').getBoundingClientRect();
            const dots = rows.map(row => [...document.querySelectorAll(
                `[id^="Classifica-${row}"]`)].filter(e => e.checkVisibility()).length);
            return `${Math.round(box.x - form.x)},${Math.round(box.y - form.y)} ` +
                   `${document.getElementById('Classifica-RISULTATO').textContent.trim()} ` +
                   dots.join(' ');
        }, core.dotRows);
        if (!this.taps) {
            for (const key of ['Escape', 'Space', 'Tab', 'Space'])
                await h.page.keyboard.press(key);
            await h.page.evaluate(() => new Promise(r => requestAnimationFrame(r)));
            assert.ok(await h.visible('Classifica'), `a key closed the results: ${shown}`);
        }
        this.seen.push(shown);
        this.avviso = await h.text('avviso'); // what the window below says meanwhile
        if (this.taps)
            await h.tap('Classifica-Command1');
        else if (this.way === 'keyboard' || this.seen.length % 2)
            await h.page.keyboard.press('Enter');
        else
            await h.click('Classifica-Command1');
        await h.page.waitForFunction(() => {
            const c = document.getElementById('Classifica');
            return c.hidden || !c.checkVisibility();
        }, { timeout: 5000 });
    }
}

