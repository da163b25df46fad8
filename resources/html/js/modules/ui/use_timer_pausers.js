// Timer pausers on or off.
Kavo.bind({
    setting: "use_timer_pausers",
    kind: "switch",
    slot: "use_timer_pausers_changed",
    signal: "set_use_timer_pausers",
});
