// The programs that pause colour changes while they show, one per line.
Kavo.bind({
    setting: "color_pausers",
    kind: "list",
    slot: "save_color_pausers",
    signal: "set_color_pausers_list",
    answers: "save_color_pausers_signal",
});
