// The key sequences of Kavo's fourteen shortcuts. Kavo sends them as a list whose entry i is
// the shortcut of feature i (entry 0 is empty). The editor records a combination as it is
// pressed and hands it to Kavo with its feature number.
const ShortcutEditor = (() => {
    const MODIFIER_KEYS = [16, 17, 18, 91, 92, 93, 224, 225];
    const KEY_NAMES = {
        8: "Backspace", 9: "Tab", 13: "Enter", 19: "Pause", 27: "Esc", 32: "Space",
        33: "PgUp", 34: "PgDown", 35: "End", 36: "Home", 37: "Left", 38: "Up", 39: "Right",
        40: "Down", 44: "Print", 45: "Ins", 46: "Del", 106: "*", 107: "+", 109: "-",
        110: ".", 111: "/", 186: ";", 187: "=", 188: ",", 189: "-", 190: ".", 191: "/",
        192: "`", 219: "[", 220: "\\", 221: "]", 222: "'",
    };

    // The key's name in Kavo's key sequence texts, or "" for a key Kavo cannot take.
    function keyName(code) {
        if (code >= 65 && code <= 90) return String.fromCharCode(code);
        if (code >= 48 && code <= 57) return String.fromCharCode(code);
        if (code >= 96 && code <= 105) return String(code - 96);
        if (code >= 112 && code <= 135) return "F" + (code - 111);
        return KEY_NAMES[code] || "";
    }

    // The combination of a key event as text: "Ctrl+Alt+Up".
    function combination(event, key) {
        const parts = [];
        if (event.ctrlKey) parts.push("Ctrl");
        if (event.altKey) parts.push("Alt");
        if (event.shiftKey) parts.push("Shift");
        if (event.metaKey) parts.push("Meta");
        if (key) parts.push(key);
        return parts.join("+");
    }

    // A shortcut without Ctrl, Alt or Meta would take a key from every program's typing;
    // function keys and Pause may stand alone.
    function standsAlone(event, key) {
        return event.ctrlKey || event.altKey || event.metaKey || /^F\d+$|^Pause$/.test(key);
    }

    function parts(element) {
        return {
            feature: element.querySelector("[data-role=feature]"),
            recorder: element.querySelector("[data-role=recorder]"),
            hint: element.querySelector("[data-role=hint]"),
            all: element.querySelector("[data-role=all]"),
        };
    }

    function feature(element) {
        return Number(parts(element).feature.value);
    }

    function texts() {
        return Kavo.value("shortcuts") || [];
    }

    function showHint(element, text) {
        parts(element).hint.textContent = text;
    }

    function save(element, text) {
        const list = texts().slice();
        list[feature(element)] = text;
        Kavo.call("shortcut_changed", feature(element), text);
        Kavo.store("shortcuts", list);
        parts(element).recorder.blur();
    }

    function record(element, event) {
        event.preventDefault();
        event.stopPropagation();
        const code = event.keyCode;
        if (MODIFIER_KEYS.indexOf(code) >= 0) {
            parts(element).recorder.value = combination(event, "") + "+…";
            return;
        }
        const bare = !event.ctrlKey && !event.altKey && !event.shiftKey && !event.metaKey;
        if (bare && code === 27) {
            parts(element).recorder.blur();
            return;
        }
        if (bare && (code === 8 || code === 46)) {
            save(element, "");
            return;
        }
        const key = keyName(code);
        if (!key) {
            showHint(element, Kavo.tr("Kavo cannot use this key in a shortcut."));
            return;
        }
        if (!standsAlone(event, key)) {
            showHint(element, Kavo.tr("Hold Ctrl, Alt or Meta with this key."));
            return;
        }
        save(element, combination(event, key));
    }

    function renderAll(element) {
        const table = parts(element).all;
        table.innerHTML = "";
        Kavo.all(parts(element).feature, "option").forEach((option) => {
            const row = document.createElement("tr");
            const name = document.createElement("td");
            const keys = document.createElement("td");
            name.textContent = option.textContent;
            keys.textContent = texts()[Number(option.value)] || Kavo.tr("none");
            keys.className = "keys";
            row.appendChild(name);
            row.appendChild(keys);
            table.appendChild(row);
        });
    }

    return {
        attach(element) {
            const { feature: choice, recorder } = parts(element);
            choice.addEventListener("change", () => ShortcutEditor.render(element));
            recorder.addEventListener("focus", () => {
                recorder.value = "";
                recorder.placeholder = Kavo.tr("Press the new combination");
                showHint(element, Kavo.tr("Esc keeps the shortcut, Backspace removes it."));
                Kavo.call("shortcut_recording_started");
            });
            recorder.addEventListener("blur", () => {
                Kavo.call("shortcut_recording_finished");
                ShortcutEditor.render(element);
            });
            recorder.addEventListener("keydown", (event) => record(element, event));
        },
        render(element) {
            const { recorder } = parts(element);
            if (document.activeElement !== recorder) {
                recorder.value = texts()[feature(element)] || "";
                recorder.placeholder = Kavo.tr("none");
                showHint(element, "");
            }
            renderAll(element);
        },
    };
})();

Kavo.bind({
    setting: "shortcuts",
    signal: "set_shortcuts_values",
    control: ShortcutEditor,
});
