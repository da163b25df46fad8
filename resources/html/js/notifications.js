// What Kavo's corner windows share: translations, telling Kavo the card's size, and the
// closing animation.
"use strict";

const Notice = (() => {
    function native() {
        return window.native_object;
    }

    // Calls a slot of the window; a missing one does nothing.
    function call(slot, ...args) {
        const bridge = native();
        return bridge && typeof bridge[slot] === "function" ? bridge[slot](...args) : undefined;
    }

    // Script errors would go unseen in a web view: they go to Kavo's log.
    window.onerror = (message, source, line) =>
        call("log", "Page: " + message + " (" + source + ":" + line + ")");

    function tr(text) {
        const translated = call("GET_STRING", text);
        return translated === undefined ? text : translated;
    }

    function translate() {
        Array.from(document.querySelectorAll("[data-i18n]")).forEach((element) => {
            element.textContent = tr(element.getAttribute("data-i18n"));
        });
        Array.from(document.querySelectorAll("[data-i18n-title]")).forEach((element) => {
            element.title = tr(element.getAttribute("data-i18n-title"));
        });
    }

    // The window takes the size of the card: until then it stays out of sight.
    function fit() {
        const card = document.querySelector(".card");
        call("setScreenSize", Math.ceil(card.offsetWidth), Math.ceil(card.offsetHeight));
    }

    // Fades the card out, then calls `slot`.
    function closeWith(slot) {
        const card = document.querySelector(".card");
        if (card.classList.contains("closing")) return;
        card.classList.add("closing");
        setTimeout(() => call(slot), 1000);
    }

    function onClick(id, handler) {
        const element = document.getElementById(id);
        if (element) element.addEventListener("click", handler);
    }

    return { call, tr, translate, fit, closeWith, onClick };
})();
