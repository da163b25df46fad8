// Programs with colours of their own while they are in front: "name = temperature brightness" per line.
Kavo.bind({
    setting: "color_triggers",
    kind: "list",
    slot: "save_color_triggers",
    signal: "set_color_triggers_list",
    answers: "save_color_triggers_signal",
});
