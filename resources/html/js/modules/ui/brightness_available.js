// Whether the colour route can change the brightness; the notice shows while it cannot.
Kavo.bind({
    setting: "brightness_available",
    kind: "visibility",
    signals: { set_brightness_available: (current, available) => !!available },
    shownWhen: (available) => available === false,
});
