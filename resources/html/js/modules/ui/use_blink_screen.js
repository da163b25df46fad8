// The small blink window: shown and hidden by two slots of their own.
Kavo.bind({
    setting: "use_blink_screen",
    signal: "set_use_blink_screen",
    control: {
        attach(element, binding) {
            element.addEventListener("change", () => {
                Kavo.store(binding.setting, element.checked);
                Kavo.call(element.checked ? "show_blink_screen" : "hide_blink_screen");
            });
        },
        render(element, binding) {
            element.checked = !!Kavo.value(binding.setting);
        },
    },
});
