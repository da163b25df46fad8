// Inverted screen colours: the page shows the one button that changes the current state.
Kavo.bind({
    setting: "use_inverted_colors",
    slot: "use_inverted_colors_changed",
    signal: "set_use_inverted_colors",
    control: {
        attach(button, binding) {
            button.addEventListener("click", () =>
                Kavo.commit(binding.setting, button.getAttribute("data-invert") === "true")
            );
        },
        render(button, binding) {
            const inverted = !!Kavo.value(binding.setting);
            button.hidden = inverted === (button.getAttribute("data-invert") === "true");
        },
    },
});
