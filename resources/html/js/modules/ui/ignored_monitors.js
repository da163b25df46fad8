// Which monitors Kavo colours: each switch is one monitor, on while Kavo colours it.
Kavo.bind({
    setting: "ignored_monitors",
    signals: {
        set_screen_count: (monitors, count) => ({ count, ignored: [] }),
        ignore_monitor: (monitors, number) => ({
            count: monitors ? monitors.count : 0,
            ignored: (monitors ? monitors.ignored : []).concat([number]),
        }),
    },
    control: {
        attach(element, binding) {
            element.addEventListener("change", () => {
                const number = Number(element.getAttribute("data-monitor"));
                const monitors = Kavo.value(binding.setting) || { count: 6, ignored: [] };
                const others = monitors.ignored.filter((ignored) => ignored !== number);
                Kavo.call("ignore_monitor_changed", number, !element.checked);
                Kavo.store(binding.setting, {
                    count: monitors.count,
                    ignored: element.checked ? others : others.concat([number]),
                });
            });
        },
        render(element, binding) {
            const monitors = Kavo.value(binding.setting);
            const number = Number(element.getAttribute("data-monitor"));
            const row = element.closest(".row");
            const present = !monitors || number <= monitors.count;
            element.checked = present && (!monitors || monitors.ignored.indexOf(number) < 0);
            element.disabled = !present;
            if (row) row.classList.toggle("disabled", !present);
        },
    },
});
