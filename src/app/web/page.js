// The page's side of the runtime seam (web_runtime.cpp calls Module.page)
// and its wiring: a click on a control or menu item runs Form1's command in
// the WebAssembly module; the keys behave as in the desktop window.
'use strict';

(function () {
    const byId = (id) => document.getElementById(id);
    const controls = [...document.querySelectorAll('#client [tabindex]')]
        .sort((a, b) => a.tabIndex - b.tabIndex);
    const menuButton = byId('menubar').querySelector('[aria-haspopup]');
    const menu = byId('menu');
    const notice = byId('notice');
    let ended = false;
    let running = null; // the command under way: one at a time, as on the desktop

    const page = {
        box(id) {
            const box = byId(id);
            return { text: box.value, start: box.selectionStart, end: box.selectionEnd };
        },
        setText(id, text) { byId(id).value = text; },
        select(id, start, end) { byId(id).setSelectionRange(start, end); },
        notice(title, prompt, exclamation) {
            byId('notice-title').textContent = title;
            byId('notice-prompt').textContent = prompt;
            byId('notice-icon').hidden = !exclamation;
            const focused = document.activeElement;
            return new Promise((resolve) => {
                notice.addEventListener('close', () => {
                    if (focused && !ended)
                        focused.focus({ preventScroll: true });
                    resolve();
                }, { once: true });
                notice.showModal();
                byId('notice-ok').focus();
            });
        },
        // Plain text through the Clipboard API; where there is none (an old
        // browser, or a page the browser does not trust), the text is
        // copied from Text2, which copy() has just selected. False when the
        // browser refuses.
        async copy(text) {
            if (navigator.clipboard && navigator.clipboard.writeText) {
                try {
                    await navigator.clipboard.writeText(text);
                    return true;
                } catch (refused) {
                    return false;
                }
            }
            try {
                byId('Text2').focus();
                return document.execCommand('copy');
            } catch (refused) {
                return false;
            }
        },
        // 退出软件: nothing reacts any more, and the window closes where the
        // browser lets a page close it.
        end() {
            ended = true;
            closeMenu();
            document.body.classList.add('ended');
            document.body.inert = true;
            for (const element of document.querySelectorAll('button, input'))
                element.disabled = true;
            window.close();
        },
    };

    function closeMenu() {
        menu.hidden = true;
        menuButton.setAttribute('aria-expanded', 'false');
    }

    function openMenu() {
        menu.hidden = false;
        menuButton.setAttribute('aria-expanded', 'true');
        menu.querySelector('button').focus();
    }

    const ready = createQinghejianWindow({ page });

    function run(command) {
        if (ended || running)
            return;
        running = ready.then((module) => module.ccall('qhjClick', null, ['number'], [command], { async: true }))
            .finally(() => { running = null; });
    }

    for (const element of document.querySelectorAll('[data-command]')) {
        element.addEventListener('click', () => {
            closeMenu();
            run(Number(element.dataset.command));
        });
    }
    byId('notice-ok').addEventListener('click', () => notice.close());
    // Esc closes a notice as its 确定 does; a notice cannot be left open.
    notice.addEventListener('cancel', (event) => {
        event.preventDefault();
        notice.close();
    });

    menuButton.addEventListener('click', () => (menu.hidden ? openMenu() : closeMenu()));
    menu.addEventListener('keydown', (event) => {
        const items = [...menu.querySelectorAll('button')];
        const at = items.indexOf(document.activeElement);
        if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
            event.preventDefault();
            const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
            items[(at + step) % items.length].focus();
        } else if (event.key === 'Escape') {
            closeMenu();
            menuButton.focus();
        }
    });
    document.addEventListener('click', (event) => {
        if (!byId('menubar').contains(event.target))
            closeMenu();
    });

    // Pasted text counts up to its first line break, as the Windows box
    // takes it: a spreadsheet cell's line break simply disappears.
    for (const box of [byId('Text1'), byId('Text2')]) {
        box.addEventListener('paste', (event) => {
            const text = event.clipboardData.getData('text/plain');
            const cut = text.search(/[\r\n]/);
            if (cut < 0)
                return;
            event.preventDefault();
            box.setRangeText(text.slice(0, cut), box.selectionStart, box.selectionEnd, 'end');
        });
    }

    // The keys of the desktop window: Enter on a focused button presses it,
    // Enter in a box and Esc press nothing, F10 opens the menu, Tab goes
    // round the four controls in Form1's order and selects a box's text on
    // the way in.
    byId('client').addEventListener('keydown', (event) => {
        if ((event.key === 'Enter' && event.target.tagName !== 'BUTTON') || event.key === 'Escape') {
            event.preventDefault();
        } else if (event.key === 'Tab') {
            event.preventDefault();
            const at = controls.indexOf(document.activeElement);
            const step = event.shiftKey ? controls.length - 1 : 1;
            const next = controls[(at + step) % controls.length];
            next.focus();
            if (next.select)
                next.select();
        }
    });
    document.addEventListener('keydown', (event) => {
        if (event.key === 'F10' && !ended && !notice.open) {
            event.preventDefault();
            openMenu();
        }
    });

    // A screen narrower than the window, a phone's, shows it whole: scaled
    // down to the width there is, with its layout box shrunk to match, so
    // that it centres and no part of it, the menu included, lies off the
    // screen. A wider screen draws it as it is.
    const form = byId('Form1');
    function fit() {
        form.style.transform = form.style.marginRight = form.style.marginBottom = '';
        const width = form.offsetWidth;
        const height = form.offsetHeight;
        const scale = Math.min(1, document.documentElement.clientWidth / width);
        if (scale < 1) {
            form.style.transformOrigin = '0 0';
            form.style.transform = `scale(${scale})`;
            form.style.marginRight = `${width * (scale - 1)}px`;
            form.style.marginBottom = `${height * (scale - 1)}px`;
        }
    }
    fit();
    addEventListener('resize', fit);

    controls[0].focus();

    // Offline after the first visit, where the page is served over HTTP(S);
    // from file:// it needs no server at all.
    if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol))
        navigator.serviceWorker.register('sw.js').catch(() => {});
})();
