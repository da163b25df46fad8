// The blink window's page. Kavo runs the functions below; the buttons call the window through
// "native_object".
"use strict";

const byId = (id) => document.getElementById(id);

function callWindow(slot) {
    const window_object = window.native_object;
    if (window_object && typeof window_object[slot] === "function") window_object[slot]();
}

// `text` in the user's language.
function tr(text) {
    const window_object = window.native_object;
    return window_object && typeof window_object.GET_STRING === "function"
        ? window_object.GET_STRING(text)
        : text;
}

function translatePage() {
    document.querySelectorAll("[data-i18n]").forEach((element) => {
        element.textContent = tr(element.getAttribute("data-i18n"));
    });
    document.querySelectorAll("[data-i18n-title]").forEach((element) => {
        element.title = tr(element.getAttribute("data-i18n-title"));
    });
}

function set_blink_count(count) {
    byId("blink-count").textContent = String(count);
    byId("blink-unit").textContent = tr("per minute");
}

function disableBlinkDetection() {
    byId("blink-count").textContent = "–";
    byId("blink-unit").textContent = tr("blink detection is off");
}

function showCameraDisabled() {
    byId("camera-disabled").hidden = false;
}

function hideCameraDisabled() {
    byId("camera-disabled").hidden = true;
}

function showErrorMessage(text) {
    const message = byId("error-message");
    message.textContent = text;
    message.hidden = false;
}

function hideErrorMessage() {
    byId("error-message").hidden = true;
}

function setVideoOpen(open) {
    document.body.classList.toggle("closed", !open);
    const button = byId("video-button");
    button.innerHTML = open ? "&#9662;" : "&#9652;";
    button.title = tr(open ? "Hide the camera picture" : "Show the camera picture");
}

byId("video-button").addEventListener("click", () => {
    const open = document.body.classList.contains("closed");
    callWindow(open ? "openVideo" : "closeVideo");
    setVideoOpen(open);
});
byId("close-button").addEventListener("click", () => callWindow("hide_clicked"));
translatePage();
