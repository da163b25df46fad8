// Whether the auto clicker clicks now, shown as a short status text.
Kavo.bind({
    setting: "auto_clicker_running",
    signal: "auto_clicker_changed",
    control: {
        attach() {},
        render(element) {
            let running = Kavo.value("auto_clicker_running");
            if (running === undefined) running = !!Kavo.call("is_auto_clicker_running");
            element.textContent = Kavo.tr(running ? "Clicking" : "Stopped");
            element.classList.toggle("running", running);
        },
    },
});
