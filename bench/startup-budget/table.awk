# Reads mapwait lines tagged round= and program=; prints the budget table and the verdict.
# Exit status 1 when the game misses a target.

function sorted_median(list, n,   i, j, value) {
    for (i = 2; i <= n; i++) {
        value = list[i]
        for (j = i - 1; j >= 1 && list[j] > value; j--) list[j + 1] = list[j]
        list[j + 1] = value
    }
    return n % 2 ? list[(n + 1) / 2] : (list[n / 2] + list[n / 2 + 1]) / 2
}

# Fills stat[program, measure, "min" | "median" | "max"] from the samples.
function summarise(program, measure,   i, list) {
    for (i = 1; i <= count[program]; i++) list[i] = sample[program, measure, i]
    stat[program, measure, "median"] = sorted_median(list, count[program])
    stat[program, measure, "min"] = list[1]
    stat[program, measure, "max"] = list[count[program]]
}

function triple(program, measure, format) {
    return sprintf(format "/" format "/" format, stat[program, measure, "min"],
                   stat[program, measure, "median"], stat[program, measure, "max"])
}

function verdict(name, met, detail) {
    printf "%-32s %-6s %s\n", name, met ? "met" : "MISSED", detail
    if (!met) missed = 1
}

{
    delete field
    for (i = 1; i <= NF; i++) { split($i, pair, "="); field[pair[1]] = pair[2] }
    if (field["round"] <= warmup) next
    program = field["program"]
    if (field["map_ms"] == "FAIL") { failed[program]++; next }
    n = ++count[program]
    sample[program, "map", n] = field["map_ms"]
    sample[program, "cpu", n] = field["cpu_ms"]
    sample[program, "rss", n] = field["rss_kib"] / 1024
    sample[program, "wakeups", n] = field["wakeups_s"]
    sample[program, "helpers", n] = field["helpers"]
    sample[program, "threads", n] = field["threads"]
    size[program] = field["w"] "x" field["h"]
}

END {
    if (!count["game"] || !count["floor"]) { print "no complete round"; exit 1 }
    printf "%-6s %3s %-8s | %-20s | %-20s | %-17s | %-14s | %-7s | %s\n", "", "n", "window",
           "first map ms", "CPU ms to map", "RSS MiB", "wake-ups/s", "threads", "helpers"
    printf "%-6s %3s %-8s | %-20s | %-20s | %-17s | %-14s | %-7s | %s\n", "", "", "",
           "min/median/max", "min/median/max", "min/median/max", "min/median/max", "max", "max"
    split("map cpu rss wakeups helpers threads", measures, " ")
    split("floor game", programs, " ")
    for (p = 1; p <= 2; p++) {
        program = programs[p]
        for (m = 1; m <= 6; m++) summarise(program, measures[m])
        printf "%-6s %3d %-8s | %-20s | %-20s | %-17s | %-14s | %-7d | %d%s\n", program,
               count[program], size[program], triple(program, "map", "%.1f"),
               triple(program, "cpu", "%.1f"), triple(program, "rss", "%.1f"),
               triple(program, "wakeups", "%.2f"), stat[program, "threads", "max"],
               stat[program, "helpers", "max"],
               failed[program] ? sprintf("  (%d failed)", failed[program]) : ""
    }
    ratio = stat["game", "map", "median"] / stat["floor", "map", "median"]
    extra = stat["game", "rss", "median"] - stat["floor", "rss", "median"]
    print ""
    verdict("start-up median <= 1.10 x floor", ratio <= 1.10, sprintf("%.2f x", ratio))
    verdict("RSS median <= floor + 3 MiB", extra <= 3, sprintf("%+.1f MiB", extra))
    verdict("no wake-up while idle", stat["game", "wakeups", "max"] == 0,
            sprintf("%.2f /s at most", stat["game", "wakeups", "max"]))
    verdict("no helper process", stat["game", "helpers", "max"] == 0,
            sprintf("%d at most", stat["game", "helpers", "max"]))
    verdict("every launch mapped", !failed["game"], sprintf("%d failed", failed["game"]))
    exit missed
}
