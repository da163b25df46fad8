// The hidden-features console: a spell typed into the input goes to Kavo as it is; the list
// shows every spell Kavo knows, and a click copies one into the input.
Kavo.bind({
    setting: "hidden_feature",
    control: {
        attach(row) {
            const input = row.querySelector(".spell-input");
            const activate = () => Kavo.call("activate_hidden_feature", input.value);
            row.querySelector(".spell-activate").addEventListener("click", activate);
            input.addEventListener("keydown", (event) => {
                if (event.key === "Enter") activate();
            });
        },
        render() {},
    },
});

Kavo.bind({
    setting: "hidden_features_list",
    control: {
        attach(list) {
            const spells = Kavo.call("get_hidden_features") || [];
            spells.forEach((spell) => {
                const item = document.createElement("li");
                item.className = "spell";
                item.textContent = spell;
                item.addEventListener("click", () => {
                    const input = document.querySelector(".spell-input");
                    if (!input) return;
                    // Of "a or b" the first form; placeholders are for the user to fill in.
                    input.value = String(spell).split(" or ")[0];
                    input.focus();
                });
                list.appendChild(item);
            });
        },
        render() {},
    },
});
