// Reports of the pages and windows opened, when this build has a statistics address.
Kavo.bind({
    setting: "send_usage_statistics",
    kind: "switch",
    slot: "send_usage_statistics_changed",
    signal: "set_send_usage_statistics",
});
