// Kavo's page library: calls into Kavo through "native_object", keeps the values Kavo
// publishes, and binds page controls to the slots and signals of their settings.
//
// Each setting is described once, by a small module under js/modules/ui/ that calls
// Kavo.bind(). Any element with data-setting="<name>" on the main page or on a settings page
// becomes that setting's control when the page is attached.
"use strict";

const Kavo = (() => {
    const bindings = new Map(); // setting -> binding
    const values = new Map(); // setting -> value in page units
    const texts = new Map(); // signal -> last text
    const watchers = new Map(); // setting -> [function(value)]
    const reported = new Set();
    const errors = [];
    let activeMonitor = 0;
    let heldSlider = null;

    const TEXT_SIGNALS = [
        "set_kavo_status",
        "set_blink_count",
        "set_geolocation_string",
        "set_transition_times_info",
        "set_moon_phases_info",
        "set_current_version",
        "set_debug_info",
        "set_color_triggers_message",
        "set_shortcuts_message",
        "set_software_cursor_message",
        "set_color_routes_message",
        "set_update_status",
    ];

    function native() {
        return window.native_object;
    }

    function report(message) {
        const bridge = native();
        if (bridge && typeof bridge.log === "function") bridge.log(message);
    }

    // Script errors would go unseen in a web view: they go to Kavo's log.
    function reportError(message) {
        errors.push(message);
        report("Page: " + message);
    }

    window.onerror = (message, source, line) => reportError(message + " (" + source + ":" + line + ")");

    function reportMissing(name) {
        if (reported.has(name)) return;
        reported.add(name);
        report("Page: Kavo has no " + name + " yet");
    }

    // Calls a native slot; a slot that does not exist is reported once and does nothing.
    function call(slot, ...args) {
        const bridge = native();
        if (!bridge || typeof bridge[slot] !== "function") {
            reportMissing(slot);
            return undefined;
        }
        return bridge[slot](...args);
    }

    // Connects `handler` to a native signal. An exception that escaped into the web engine's
    // signal delivery would take the whole program down: it is reported instead.
    function listen(signal, handler) {
        const bridge = native();
        const source = bridge && bridge[signal];
        if (!source || typeof source.connect !== "function") {
            reportMissing(signal);
            return false;
        }
        source.connect((...args) => {
            try {
                handler(...args);
            } catch (error) {
                reportError(signal + " failed: " + error);
            }
        });
        return true;
    }

    // The elements under `root` that match `selector`, as an array.
    function all(root, selector) {
        return Array.from(root.querySelectorAll(selector));
    }

    function tr(text) {
        const bridge = native();
        return bridge && typeof bridge.GET_STRING === "function" ? bridge.GET_STRING(text) : text;
    }

    function translate(root) {
        all(root, "[data-i18n]").forEach((element) => {
            element.textContent = tr(element.getAttribute("data-i18n"));
        });
        all(root, "[data-i18n-title]").forEach((element) => {
            element.title = tr(element.getAttribute("data-i18n-title"));
        });
        showPageNotes(root);
    }

    // What this desktop does not allow on a page, in the current language: asked when the page
    // shows and when the language changes; hidden where the page works as everywhere.
    function showPageNotes(root) {
        all(root, "[data-page-note]").forEach((element) => {
            const note = call("get_page_note", element.getAttribute("data-page-note"));
            element.textContent = note ? String(note) : "";
            element.hidden = !note;
        });
    }

    // ---- Settings ----

    const formats = {
        kelvin: (kelvin) => kelvin + " K",
        minutes: (minutes) => minutes + " min",
        percent: (percent) => percent + " %",
        // Minutes as a signed hours:minutes offset, "+01:30".
        signedHours: (minutes) => {
            const sign = minutes < 0 ? "-" : "+";
            const whole = Math.abs(minutes);
            return sign + pad2(Math.floor(whole / 60)) + ":" + pad2(whole % 60);
        },
    };

    // Shared descriptions that a binding names as its "preset".
    const PRESETS = {
        temperature: {
            kind: "slider",
            perMonitor: true,
            range: [1200, 6500],
            extended: [0, 10000],
            extendedBy: "temperature_extended_values",
            step: 100,
            format: formats.kelvin,
        },
        brightness: {
            kind: "slider",
            perMonitor: true,
            range: [30, 100],
            extended: [10, 150],
            extendedBy: "brightness_extended_values",
            step: 1,
            format: formats.percent,
        },
        // A time of day Kavo sends and receives as hours and minutes.
        clock: {
            kind: "time",
            fromNative: (hours, minutes) => ({ hours, minutes }),
            toNative: (time) => [time.hours, time.minutes],
        },
        // A duration Kavo keeps in seconds, shown in whole minutes.
        minutes: {
            kind: "slider",
            fromNative: (seconds) => Math.round(seconds / 60),
            toNative: (minutes) => [minutes * 60],
            format: formats.minutes,
        },
    };

    function pad2(number) {
        return ("0" + number).slice(-2);
    }

    function bind(binding) {
        bindings.set(binding.setting, Object.assign({}, PRESETS[binding.preset], binding));
    }

    function value(setting) {
        return values.get(setting);
    }

    function watch(setting, handler) {
        if (!watchers.has(setting)) watchers.set(setting, []);
        watchers.get(setting).push(handler);
    }

    function changed(setting) {
        render(setting);
        const binding = bindings.get(setting);
        if (binding && binding.affects) binding.affects.forEach(render);
        (watchers.get(setting) || []).forEach((handler) => handler(values.get(setting)));
    }

    function receive(binding, args) {
        store(binding.setting, binding.fromNative ? binding.fromNative(...args) : args[0]);
    }

    // Keeps a value the page learnt without asking Kavo, and shows it.
    function store(setting, newValue) {
        values.set(setting, newValue);
        changed(setting);
    }

    // The user chose `newValue`: keep it and hand it to Kavo.
    function commit(setting, newValue) {
        const binding = bindings.get(setting);
        values.set(setting, newValue);
        const args = binding.toNative ? binding.toNative(newValue) : [newValue];
        if (binding.perMonitor) args.push(activeMonitor);
        call(binding.slot, ...args);
        changed(setting);
    }

    function controls(setting, root) {
        return all(root || document, '[data-setting="' + setting + '"]');
    }

    function kindOf(binding) {
        return binding.control || KINDS[binding.kind];
    }

    function render(setting) {
        const binding = bindings.get(setting);
        if (!binding) return;
        controls(setting).forEach((element) => renderControl(element, binding));
    }

    // A binding with `enabledBy` is enabled only while that switch is on.
    function renderControl(element, binding) {
        kindOf(binding).render(element, binding);
        if (binding.enabledBy) element.disabled = !values.get(binding.enabledBy);
    }

    // ---- Control kinds ----

    function sliderRange(binding) {
        if (typeof binding.range === "function") return binding.range(value);
        const extended = binding.extendedBy && values.get(binding.extendedBy);
        return extended && binding.extended ? binding.extended : binding.range;
    }

    function releaseSlider() {
        if (!heldSlider) return;
        heldSlider = null;
        call("resume_automation");
    }

    function clamp(number, min, max) {
        return Math.min(max, Math.max(min, number));
    }

    const KINDS = {
        switch: {
            attach(element, binding) {
                element.addEventListener("change", () => commit(binding.setting, element.checked));
            },
            render(element, binding) {
                element.checked = !!values.get(binding.setting);
            },
        },
        slider: {
            attach(element, binding) {
                element.addEventListener("mousedown", () => {
                    if (heldSlider) return;
                    heldSlider = element;
                    call("pause_automation");
                });
                element.addEventListener("input", () =>
                    commit(binding.setting, Number(element.value))
                );
                element.addEventListener("change", releaseSlider);
            },
            render(element, binding) {
                const [min, max] = sliderRange(binding);
                element.min = min;
                element.max = max;
                element.step = binding.step || 1;
                const current = values.get(binding.setting);
                if (current !== undefined && element !== heldSlider) element.value = current;
                const output = element.parentNode.querySelector("output");
                if (output && current !== undefined) output.textContent = binding.format(current);
            },
        },
        choice: {
            attach(element, binding) {
                element.addEventListener("change", () =>
                    commit(binding.setting, binding.text ? element.value : Number(element.value))
                );
            },
            render(element, binding) {
                const current = values.get(binding.setting);
                if (current !== undefined) element.value = String(current);
            },
        },
        number: {
            attach(element, binding) {
                element.addEventListener("change", () => {
                    const number = Number(element.value);
                    const valid = element.value !== "" && isFinite(number) &&
                        number >= binding.range[0] && number <= binding.range[1];
                    element.classList.toggle("invalid", !valid);
                    if (valid) commit(binding.setting, number);
                });
            },
            render(element, binding) {
                const current = values.get(binding.setting);
                element.min = binding.range[0];
                element.max = binding.range[1];
                element.step = binding.step || "any";
                if (current !== undefined && document.activeElement !== element) {
                    element.value = binding.format ? binding.format(current) : current;
                    element.classList.remove("invalid");
                }
            },
        },
        // An element shown only while `binding.shownWhen(value)` holds: a notice or a link.
        visibility: {
            attach() {},
            render(element, binding) {
                element.hidden = !binding.shownWhen(values.get(binding.setting));
            },
        },
        // A text of one entry per line; the save button hands it to Kavo.
        list: {
            attach(element, binding) {
                element.querySelector("[data-role=save]").addEventListener("click", () =>
                    commit(binding.setting, KINDS.list.read(element))
                );
            },
            render(element, binding) {
                const current = values.get(binding.setting);
                const box = element.querySelector("textarea");
                if (current !== undefined && document.activeElement !== box) box.value = current;
            },
            read(element) {
                return element.querySelector("textarea").value.replace(/\r\n?/g, "\n");
            },
        },
        time: {
            attach(element, binding) {
                const [hours, minutes] = all(element, "input");
                const update = () => {
                    const time = {
                        hours: clamp(Math.floor(Number(hours.value) || 0), 0, 23),
                        minutes: clamp(Math.floor(Number(minutes.value) || 0), 0, 59),
                    };
                    commit(binding.setting, time);
                };
                hours.addEventListener("change", update);
                minutes.addEventListener("change", update);
            },
            render(element, binding) {
                const time = values.get(binding.setting);
                if (!time) return;
                const [hours, minutes] = all(element, "input");
                hours.value = pad2(time.hours);
                minutes.value = pad2(time.minutes);
            },
        },
    };

    // ---- Pages ----

    // Binds every control, text and button under `root` and shows the current values.
    function attach(root) {
        bindings.forEach((binding) => {
            controls(binding.setting, root).forEach((element) => {
                if (element.getAttribute("data-bound")) return;
                element.setAttribute("data-bound", "1");
                kindOf(binding).attach(element, binding);
                renderControl(element, binding);
            });
        });
        all(root, "[data-text]").forEach(renderText);
        all(root, "[data-call]").forEach((button) => {
            button.addEventListener("click", () => call(button.getAttribute("data-call")));
        });
        all(root, "[data-copy]").forEach((element) => {
            element.title = tr("Click to copy the text to the clipboard");
            element.addEventListener("click", () => copy(element));
        });
        all(root, "[data-reset]").forEach((button) => {
            button.addEventListener("click", () => {
                button.getAttribute("data-reset").split(",").forEach((setting) => {
                    commit(setting, bindings.get(setting).defaultValue);
                });
            });
        });
        translate(root);
    }

    // Copies the text of `element` to the clipboard, as a click on it promises.
    function copy(element) {
        const selection = window.getSelection();
        const range = document.createRange();
        range.selectNodeContents(element);
        selection.removeAllRanges();
        selection.addRange(range);
        let copied = false;
        try {
            copied = document.execCommand("copy");
        } catch (error) {
            copied = false;
        }
        if (!copied) {
            report("Copying to the clipboard failed");
            return;
        }
        element.classList.add("copied");
        setTimeout(() => element.classList.remove("copied"), 1500);
    }

    function renderText(element) {
        const text = texts.get(element.getAttribute("data-text"));
        if (text === undefined) return;
        element.removeAttribute("data-i18n");
        // Writing the same text again would still lay out and paint the window.
        if (element.textContent !== text) element.textContent = text;
    }

    function receiveText(signal, text) {
        texts.set(signal, String(text));
        all(document, '[data-text="' + signal + '"]').forEach(renderText);
    }

    // Kavo asks for a value the page holds (a list being edited, say): the page answers
    // through the setting's slot, with what its control shows. Nothing is sent while the page
    // does not know the value, so a list is never emptied by mistake.
    function answer(binding) {
        if (values.get(binding.setting) === undefined) return;
        const element = controls(binding.setting)[0];
        const kind = kindOf(binding);
        commit(binding.setting, element && kind.read ? kind.read(element) : values.get(binding.setting));
    }

    // Connects every setting's signal and the text signals; run once, when Kavo asks for it.
    function connect() {
        bindings.forEach((binding) => {
            if (binding.signal) listen(binding.signal, (...args) => receive(binding, args));
            if (binding.answers) listen(binding.answers, () => answer(binding));
            Object.keys(binding.signals || {}).forEach((signal) => {
                const reduce = binding.signals[signal];
                listen(signal, (...args) =>
                    store(binding.setting, reduce(values.get(binding.setting), ...args))
                );
            });
        });
        TEXT_SIGNALS.forEach((signal) => listen(signal, (text) => receiveText(signal, text)));
        document.addEventListener("mouseup", releaseSlider);
    }

    function setActiveMonitor(monitor) {
        activeMonitor = monitor;
        call("current_active_monitor_changed", monitor);
    }

    return {
        call,
        listen,
        all,
        tr,
        translate,
        bind,
        bindings: () => Array.from(bindings.values()),
        value,
        watch,
        commit,
        store,
        formats,
        attach,
        connect,
        showText: receiveText,
        errors: () => errors.slice(),
        setActiveMonitor,
        activeMonitor: () => activeMonitor,
    };
})();
