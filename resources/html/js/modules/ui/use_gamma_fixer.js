// Re-apply the colours when another program resets them.
Kavo.bind({
    setting: "use_gamma_fixer",
    kind: "switch",
    slot: "use_gamma_fixer_changed",
    signal: "set_use_gamma_fixer",
});
