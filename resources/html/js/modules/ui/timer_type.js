// The break timer: off, normal, strict or productive.
Kavo.bind({
    setting: "timer_type",
    kind: "choice",
    slot: "timer_type_changed",
    signal: "set_timer_type_dropdown_value",
});
