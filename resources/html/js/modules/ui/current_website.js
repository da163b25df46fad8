// Kavo's website, when this edition has one: its link shows only then.
Kavo.bind({
    setting: "current_website",
    kind: "visibility",
    signal: "set_current_website",
    shownWhen: (address) => !!address,
});
