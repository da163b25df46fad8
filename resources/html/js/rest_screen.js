// The rest page. Kavo runs its functions every second: the seconds left, whether the rest may
// be skipped, and, once the rest is over, the continue control. The page calls skip_rest() on
// its buttons.
"use strict";

const RestScreen = (() => {
    // The rest page may be asked for a connection on this port; Kavo answers through
    // "native_object" instead.
    const port = Number((/[?&]port=(\d+)/.exec(location.search) || [])[1]) || 0;
    // Each a "label:" entry: the texts are found for translation like a table's.
    const IDEAS = [
        { label: "Look at something far away, out of a window if you can." },
        { label: "Close your eyes and breathe slowly." },
        { label: "Blink often: screens make us forget to." },
        { label: "Stand up and stretch your arms above your head." },
        { label: "Roll your shoulders back a few times." },
        { label: "Drink a glass of water." },
    ];
    const byId = (id) => document.getElementById(id);
    let variant = null;
    let longest = 0;
    let over = false;

    function native() {
        return window.native_object;
    }

    // Script errors would go unseen in a web view: they go to Kavo's log.
    window.onerror = (message, source, line) => {
        const bridge = native();
        if (bridge && typeof bridge.log === "function")
            bridge.log("Page: " + message + " (" + source + ":" + line + ")");
    };

    function tr(text) {
        const bridge = native();
        return bridge && typeof bridge.GET_STRING === "function" ? bridge.GET_STRING(text) : text;
    }

    function translatePage() {
        Array.from(document.querySelectorAll("[data-i18n]")).forEach((element) => {
            element.textContent = tr(element.getAttribute("data-i18n"));
        });
    }

    function pad2(number) {
        return ("0" + number).slice(-2);
    }

    function timeText(seconds) {
        const hours = Math.floor(seconds / 3600);
        const minutes = Math.floor(seconds / 60) % 60;
        const rest = pad2(seconds % 60);
        return hours > 0 ? hours + ":" + pad2(minutes) + ":" + rest : minutes + ":" + rest;
    }

    function setTimer(seconds) {
        const left = Math.max(0, Number(seconds) || 0);
        longest = Math.max(longest, left);
        byId("countdown").textContent = timeText(left);
        const done = longest > 0 ? 1 - left / longest : 1;
        byId("ring").style.strokeDashoffset = String(339.3 * (1 - done));
    }

    function showSkip(allowed) {
        if (over) return;
        byId("skip").hidden = !allowed;
        byId("strict-note").hidden = allowed;
    }

    function showContinue() {
        over = true;
        byId("skip").hidden = true;
        byId("strict-note").hidden = true;
        byId("continue").hidden = false;
        byId("title").textContent = tr("The rest is over");
        byId("text").textContent = tr("Continue when you are ready.");
    }

    function setBackground(name) {
        const bridge = native();
        const folder = bridge && typeof bridge.get_current_path === "function"
            ? bridge.get_current_path() : "";
        byId("veil").style.backgroundImage =
            "url(\"" + encodeURI(folder + "/" + name).replace(/"/g, "%22") + "\")";
    }

    function tickClock() {
        const now = new Date();
        byId("clock").textContent = pad2(now.getHours()) + ":" + pad2(now.getMinutes());
    }

    function startVariant(name) {
        if (variant === name) return;
        variant = name;
        translatePage();
        if (name !== "standard") return;
        byId("clock").hidden = false;
        byId("idea").hidden = false;
        byId("idea").textContent = tr(IDEAS[Math.floor(Math.random() * IDEAS.length)].label);
        tickClock();
        setInterval(tickClock, 1000);
    }

    function skip() {
        const bridge = native();
        if (bridge && typeof bridge.skip_rest === "function") bridge.skip_rest();
    }

    byId("skip").addEventListener("click", skip);
    byId("continue").addEventListener("click", skip);

    return { port, setTimer, showSkip, showContinue, setBackground, startVariant };
})();

function set_timer(seconds) {
    RestScreen.setTimer(seconds);
}

function set_strict_screen() {
    RestScreen.showSkip(false);
}

function set_normal_screen() {
    RestScreen.showSkip(true);
}

function set_background_image(name) {
    RestScreen.setBackground(name);
}

function set_continue_button() {
    RestScreen.showContinue();
}

function rest_screen_simple_load_finished() {
    RestScreen.startVariant("simple");
}

function rest_screen_standard_load_finished() {
    RestScreen.startVariant("standard");
}
