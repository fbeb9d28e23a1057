.pragma library

// The fan stage a button reports: 1 to 10 for the even values 2 to 20 of the upper seven bits,
// shifted by the lowest stage. "auto" when automatic mode is on and the top stage is reached.
function level(value, fanMin, fanAuto, count) {
    const stage = value & 0xFE
    let result = (stage >= 2 && stage <= 20) ? stage / 2 : 0
    result += fanMin
    if (fanAuto && ((fanMin === 0 && result === count - 1) || (fanMin !== 0 && result === count)))
        return "auto"
    return result
}
