// The programs that stop the break timer while they show, one per line.
Kavo.bind({
    setting: "timer_pausers",
    kind: "list",
    slot: "save_timer_pausers",
    signal: "set_timer_pausers_list",
    answers: "save_timer_pausers_signal",
});
