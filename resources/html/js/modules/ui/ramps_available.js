// Whether the colour route takes gamma ramps (a desktop's night light does not): the notice on
// the pages whose settings need them shows while it does not.
Kavo.bind({
    setting: "ramps_available",
    kind: "visibility",
    signals: { set_ramps_available: (current, available) => !!available },
    shownWhen: (available) => available === false,
});
