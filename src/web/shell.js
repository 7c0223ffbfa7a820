// SPDX-License-Identifier: GPL-3.0-or-later
// The page's script: the browser's side of the services the program asks for
// (sound, voices, the end of the exercise) and the one way in for the pupil's
// hands. Every click, tap and key goes to the program's own handlers
// (main.cpp); while the program holds the thread (the feedback pause, the
// results window) the pupil's input is dropped, and what must not be lost (a
// change of size, PROSEGUI) waits in a queue the program reads.
'use strict';

(function () {
  const root = document.documentElement;
  let occupato = false; // the program is running an event, perhaps waiting in it
  let pronto = false;
  let chiuso = false;
  let haRisposte = false;

  function parametri() {
    const coppie = [];
    new URLSearchParams(location.search).forEach((valore, chiave) => coppie.push([chiave, valore]));
    return coppie;
  }

  // ---- sound: one AudioContext, made at the first gesture -------------------
  // The cues are data blocks at the end of the page, after the scripts, so
  // that the program starts before the parser reaches them; each is read and
  // decoded when first needed or, after the first gesture, a little at a time.
  const letta = new Promise((fatto) => {
    if (document.readyState !== 'loading') fatto();
    else document.addEventListener('DOMContentLoaded', () => fatto(), { once: true });
  });
  function blocco(tipo, nome) {
    for (const b of document.querySelectorAll('script[data-' + tipo + ']'))
      if (b.getAttribute('data-' + tipo) === nome) return b;
    return null;
  }
  let contesto = null;
  let sorgente = null;
  let inAttesa = null; // the cue asked for before the browser allowed sound
  let richiesta = 0;
  const decodificati = {};

  // The bytes of base64 text, with or without a data: URL's head.
  function bytes(dati) {
    const base64 = dati.slice(dati.indexOf(',') + 1);
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64).buffer;
    const testo = atob(base64);
    const out = new Uint8Array(testo.length);
    for (let i = 0; i < testo.length; ++i) out[i] = testo.charCodeAt(i);
    return out.buffer;
  }

  // The cue's sound, or null where the browser cannot decode it.
  function decodifica(nome) {
    if (!decodificati[nome]) {
      decodificati[nome] = letta.then(() => new Promise((fatto) => {
        const dati = blocco('suono', nome);
        if (!dati) return fatto(null);
        try {
          contesto.decodeAudioData(bytes(dati.textContent.trim()), fatto, () => fatto(null));
        } catch (e) {
          fatto(null);
        }
      }));
    }
    return decodificati[nome];
  }

  // Made, or resumed, only within a gesture that lets a page start sound, so
  // that the browser has nothing to complain about. Making it takes the
  // browser tens of milliseconds (it opens the sound device), so the first
  // time it is made just after the gesture's own events, which answer the
  // pupil first; a timer set within a gesture still counts as the gesture.
  let sbloccoInAttesa = false;
  function sbloccaSuonoDopo() {
    if (contesto) return sbloccaSuono();
    if (sbloccoInAttesa) return;
    sbloccoInAttesa = true;
    setTimeout(() => {
      sbloccoInAttesa = false;
      sbloccaSuono();
    }, 0);
  }
  function sbloccaSuono() {
    if (contesto) {
      if (contesto.state === 'suspended') contesto.resume().catch(() => {});
      return;
    }
    const Ctx = window.AudioContext || window.webkitAudioContext;
    if (!Ctx) return;
    try {
      contesto = new Ctx();
    } catch (e) {
      return;
    }
    if (contesto.state === 'suspended') contesto.resume().catch(() => {});
    if (inAttesa) {
      const nome = inAttesa;
      inAttesa = null;
      suona(nome);
    }
    // The rest, one cue at a time, so that no tap waits for them.
    letta.then(() => {
      const resto = [...document.querySelectorAll('script[data-suono]')].map((b) => b.dataset.suono);
      const prossimo = () => {
        if (resto.length) decodifica(resto.shift()).then(() => setTimeout(prossimo, 50));
      };
      setTimeout(prossimo, 200);
    });
  }

  // A short tone, for a cue the browser could not decode.
  function suonoPredefinito() {
    const osc = contesto.createOscillator();
    const gain = contesto.createGain();
    osc.frequency.value = 880;
    gain.gain.value = 0.2;
    osc.connect(gain).connect(contesto.destination);
    osc.start();
    osc.stop(contesto.currentTime + 0.15);
    return osc;
  }

  function suona(nome) {
    if (!contesto) {
      inAttesa = nome;
      return;
    }
    const questa = ++richiesta;
    decodifica(nome).then((suono) => {
      if (questa !== richiesta || chiuso) return; // a later cue cuts this one off
      try {
        if (sorgente) sorgente.stop();
      } catch (e) { /* already ended */ }
      sorgente = null;
      try {
        if (suono) {
          sorgente = contesto.createBufferSource();
          sorgente.buffer = suono;
          sorgente.connect(contesto.destination);
          sorgente.start();
        } else {
          sorgente = suonoPredefinito();
        }
      } catch (e) { /* no sound: the exercise goes on */ }
    });
  }

  // ---- voices ---------------------------------------------------------------
  // The browser's speech service is first touched once the start screen is
  // painted, when the page is idle: touching it starts the service, which
  // takes tens of milliseconds. Until then there is no voice, as there is
  // none in any browser before its voices are listed.
  let sintesi = null;
  function apriVoci() {
    sintesi = window.speechSynthesis || null;
    if (sintesi && sintesi.addEventListener)
      sintesi.addEventListener('voiceschanged', () => evento('voices'));
    evento('voices'); // voices a browser lists at once come with no event
  }
  function voceItaliana() {
    if (!sintesi || typeof SpeechSynthesisUtterance === 'undefined') return null;
    try {
      const voci = sintesi.getVoices().filter((v) => /^it([-_]|$)/i.test(v.lang));
      return voci.find((v) => v.localService) || voci[0] || null;
    } catch (e) {
      return null; // a browser whose voices cannot be listed has none for us
    }
  }
  function parla(testo) {
    const voce = voceItaliana();
    if (!voce) return;
    try {
      sintesi.cancel();
      const frase = new SpeechSynthesisUtterance(testo);
      frase.voice = voce;
      frase.lang = voce.lang;
      sintesi.speak(frase);
    } catch (e) { /* no reading: the exercise goes on */ }
  }
  function taci() {
    try {
      if (sintesi) sintesi.cancel();
    } catch (e) { /* nothing was being said */ }
  }

  // ---- the end ----------------------------------------------------------------
  function chiudi() {
    chiuso = true;
    taci();
    if (sorgente) try { sorgente.stop(); } catch (e) { /* ended */ }
    document.getElementById('Form1').hidden = true;
    document.getElementById('Classifica').hidden = true;
    document.getElementById('chiuso').hidden = false;
    root.setAttribute('data-closed', '1');
    if (document.fullscreenElement && document.exitFullscreen)
      document.exitFullscreen().catch(() => {});
  }

  window.frazioni = {
    coda: [],
    immagine: (nome) => {
      const dati = blocco('immagine', nome);
      return dati ? dati.textContent.trim() : '';
    },
    parametri: parametri(),
    indirizzo: location.pathname.split('/').pop() || 'frazioni.html',
    lingua: navigator.language || 'it',
    schermoTattile: (navigator.maxTouchPoints || 0) > 0,
    suona, parla, taci, chiudi,
    haVoce: () => voceItaliana() !== null,
  };

  // ---- calling the program ----------------------------------------------------
  function chiama(funzione, tipi, valori) {
    occupato = true;
    let esito;
    try {
      esito = Module.ccall(funzione, null, tipi || [], valori || [], { async: true });
    } catch (e) {
      occupato = false;
      throw e;
    }
    return Promise.resolve(esito).then(() => {
      occupato = false;
      haRisposte = Module.ccall('web_has_answers', 'number', [], []) === 1;
      // What came while the program was busy and was not read by it.
      const resto = window.frazioni.coda.splice(0);
      for (const nome of ['resize', 'voices', 'paint'])
        if (resto.includes(nome)) evento(nome);
    });
  }

  // Events that must not be lost: run now, or queued for the program to read.
  function evento(nome) {
    if (!pronto || chiuso) return;
    if (occupato) {
      if (!window.frazioni.coda.includes(nome)) window.frazioni.coda.push(nome);
      return;
    }
    if (nome === 'resize') chiama('web_resized');
    else if (nome === 'voices') chiama('web_voices');
    else if (nome === 'paint') chiama('web_painted');
  }

  function modale() {
    return !document.getElementById('Classifica').hidden;
  }

  function controllo(elemento) {
    const c = elemento && elemento.closest ? elemento.closest('[id]') : null;
    if (!c) return null;
    if (c.parentElement && (c.parentElement.id === 'Form1' || c.parentElement.id === 'Frame1' ||
        c.parentElement.id === 'Classifica')) return c;
    return null;
  }

  function attiva(c) {
    if (!pronto || chiuso || !c) return;
    if (c.id === 'Classifica-Command1') {
      if (modale() && !window.frazioni.coda.includes('prosegui')) window.frazioni.coda.push('prosegui');
      return;
    }
    // Input while the program waits (the feedback pause, the results window)
    // is dropped, as on the desktop.
    if (occupato || modale()) return;
    if (c.closest('#Form1') && (c.tagName === 'BUTTON' || c.getAttribute('role') === 'button'))
      chiama('web_click', ['string'], [c.id]);
  }

  // Pointer Events carry mouse, touch and pen alike. A touch that begins is
  // no gesture yet for the browser: sound and full screen wait for its end.
  // Before the start screen is up a gesture does nothing, so that the sound
  // device and full screen do not hold up the start.
  let primoGesto = true;
  function gesto() {
    if (!pronto) return;
    sbloccaSuonoDopo();
    if (primoGesto) {
      primoGesto = false;
      // Full screen where the browser allows it; leaving it loses nothing.
      if (root.requestFullscreen && !document.fullscreenElement)
        root.requestFullscreen({ navigationUI: 'hide' }).catch(() => {});
    }
  }

  document.addEventListener('pointerdown', (e) => {
    if ((e.pointerType === 'touch' || e.pointerType === 'pen') && pronto && !occupato && !chiuso)
      chiama('web_touched');
  }, true);
  document.addEventListener('pointerup', gesto, true);
  // A press on anything but a text box leaves the keyboard where it is: in the
  // box that waits for the answer.
  document.addEventListener('mousedown', (e) => {
    if (!(e.target instanceof HTMLInputElement) || occupato) e.preventDefault();
  }, true);
  document.addEventListener('click', (e) => {
    e.preventDefault();
    attiva(controllo(e.target));
  }, true);
  document.addEventListener('input', (e) => {
    const box = e.target;
    if (box instanceof HTMLInputElement && pronto && !occupato && !chiuso)
      Module.ccall('web_edited', null, ['string', 'string'], [box.id, box.value]);
  }, true);

  const tastiDiScrittura = new Set(['Backspace', 'Delete', 'ArrowLeft', 'ArrowRight', 'Home', 'End']);
  window.addEventListener('keydown', (e) => {
    if (pronto) sbloccaSuonoDopo();
    const t = e.target;
    if (chiuso) {
      e.preventDefault();
      return;
    }
    if (occupato || modale()) {
      // Only PROSEGUI takes a key, Enter, as the window's default button; a
      // held Enter, still down from the last answer, does not press it.
      e.preventDefault();
      if (modale() && e.key === 'Enter' && !e.repeat) attiva(document.getElementById('Classifica-Command1'));
      return;
    }
    if (e.key === 'Tab' && !e.ctrlKey && !e.altKey && !e.metaKey) return; // moves among the controls
    const inBox = t instanceof HTMLInputElement;
    if (e.key === 'Enter') {
      e.preventDefault();
      if (e.repeat) return; // a held Enter judges one answer, not many
      if (inBox) chiama('web_enter', ['string', 'string'], [t.id, t.value]);
      else attiva(controllo(t));
      return;
    }
    if (e.key === ' ' && !inBox) {
      e.preventDefault();
      if (!e.repeat) attiva(controllo(t));
      return;
    }
    const scrive = inBox && !e.ctrlKey && !e.altKey && !e.metaKey &&
      (e.key.length === 1 || tastiDiScrittura.has(e.key));
    if (!scrive) e.preventDefault();
  }, true);

  for (const tipo of ['contextmenu', 'selectstart', 'dragstart', 'dblclick', 'gesturestart'])
    document.addEventListener(tipo, (e) => e.preventDefault(), true);
  for (const tipo of ['touchmove', 'wheel'])
    document.addEventListener(tipo, (e) => e.preventDefault(), { capture: true, passive: false });
  document.addEventListener('touchstart', (e) => {
    if (e.touches.length > 1) e.preventDefault(); // no pinch
  }, { capture: true, passive: false });

  window.addEventListener('resize', () => evento('resize'));
  window.addEventListener('orientationchange', () => evento('resize'));
  window.addEventListener('beforeunload', (e) => {
    if (chiuso || !(haRisposte || occupato)) return;
    e.preventDefault();
    e.returnValue = '';
  });

  setInterval(() => {
    if (pronto && !occupato && !chiuso) chiama('web_tick');
  }, 1000);

  // ---- start: the program, once its faces are loaded --------------------------
  // Its WebAssembly is compiled away from this thread while the page is read.
  const programma = document.querySelector('script[data-programma]');
  const compilato = WebAssembly.compile(bytes(programma.textContent.trim()));
  programma.remove(); // its text is needed no more
  window.Module = {
    instantiateWasm(importazioni, ricevi) {
      compilato.then((modulo) => WebAssembly.instantiate(modulo, importazioni))
        .then((istanza) => ricevi(istanza))
        .catch((e) => console.error("Il programma non parte:", e));
      return {};
    },
    onRuntimeInitialized() {
      const caratteri = document.fonts && document.fonts.load
        ? Promise.all([document.fonts.load('16px "Liberation Sans"'),
          document.fonts.load('bold 16px "Liberation Sans"')]).catch(() => {})
        : Promise.resolve();
      caratteri.then(() => {
        pronto = true;
        return chiama('web_start');
      }).then(() => {
        // Built, with its faces: the next frame shows it.
        root.setAttribute('data-ready', '1');
        requestAnimationFrame(() => requestAnimationFrame(() => {
          evento('paint');
          if (window.requestIdleCallback) requestIdleCallback(apriVoci, { timeout: 1000 });
          else setTimeout(apriVoci, 0);
        }));
      });
    },
  };
})();
