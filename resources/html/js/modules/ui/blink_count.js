// The simple view's blink count shows while the camera counts blinks.
(() => {
    function refresh() {
        const item = document.getElementById("blink-item");
        if (item) item.hidden = !(Kavo.value("use_camera") && Kavo.value("use_blink_detection"));
    }
    Kavo.watch("use_camera", refresh);
    Kavo.watch("use_blink_detection", refresh);
})();
