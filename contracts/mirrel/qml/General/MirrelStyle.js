.pragma library

// One palette and type scale for every plugin page, so pages of both plugins look alike.
var slate = "#2F3B45"
var slateLight = "#3C4A56"
var slateText = "#DCE3E8"
var teal = "#1F8A8A"
var tealDark = "#176B6B"
var tealLight = "#D5ECEC"
var background = "#F4F6F8"
var surface = "#FFFFFF"
var border = "#D8DEE3"
var text = "#2F3B45"
var textMuted = "#6B7782"
var danger = "#B3261E"
var dangerLight = "#F9DEDC"
var success = "#2E7D4F"
var successLight = "#DDF1E4"

var radius = 6
var spacing = 12

// Font sizes in pixels for a given base size.
function small(base) { return Math.round(base * 0.85) }
function body(base) { return Math.round(base) }
function title(base) { return Math.round(base * 1.35) }
function large(base) { return Math.round(base * 1.8) }
