// How the system smooths fonts.
Kavo.bind({
    setting: "font_type",
    kind: "choice",
    slot: "font_type_changed",
    signal: "set_font_type_value",
});
