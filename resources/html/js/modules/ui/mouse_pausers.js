// The programs that switch the software cursor off while they show, one per line.
Kavo.bind({
    setting: "mouse_pausers",
    kind: "list",
    slot: "save_mouse_pausers",
    signal: "set_mouse_pausers_list",
    answers: "save_mouse_pausers_signal",
});
