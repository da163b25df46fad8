// Settings file: export and import through a file, and the reset to the defaults, which asks
// for a second click before it replaces every setting.
Kavo.bind({
    setting: "reset_settings_to_default",
    control: {
        attach(button) {
            let armed = null;
            const label = button.textContent;
            button.addEventListener("click", () => {
                if (armed === null) {
                    button.textContent = Kavo.tr("Click again to reset every setting");
                    button.classList.add("armed");
                    armed = setTimeout(() => {
                        armed = null;
                        button.textContent = label;
                        button.classList.remove("armed");
                    }, 5000);
                    return;
                }
                clearTimeout(armed);
                armed = null;
                button.textContent = label;
                button.classList.remove("armed");
                Kavo.call("reset_settings_to_default");
            });
        },
        render() {},
    },
});
