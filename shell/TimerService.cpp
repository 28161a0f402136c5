#include "TimerService.h"

#include <algorithm>

Timer::Timer(TimerService& service, int intervalMs, bool enabled)
    : service_(service), intervalMs_(intervalMs) {
    service.add(*this);
    setEnabled(enabled);
}

Micros Timer::period() const {
    return std::max<Micros>(Micros{intervalMs_} * 1000, TimerService::kGranularity);
}

void Timer::setEnabled(bool on) {
    if (on && !enabled_) due_ = service_.now() + period();
    enabled_ = on;
}

std::optional<Micros> TimerService::nextDue() const {
    std::optional<Micros> next;
    if (halted_) return next;
    for (const Timer* t : timers_)
        if (t->enabled_ && (!next || t->due_ < *next)) next = t->due_;
    return next;
}

void TimerService::fireDue(Micros now) {
    now_ = std::max(now_, now);
    std::vector<Timer*>& due = due_;
    due.clear();
    for (Timer* t : timers_)
        if (t->enabled_ && t->due_ <= now_) due.push_back(t);
    // Ties keep the order in which the timers were created. An insertion sort is stable
    // and, for a handful of timers, sorts without the allocations of std::stable_sort.
    for (std::size_t i = 1; i < due.size(); ++i)
        for (std::size_t j = i; j > 0 && due[j]->due_ < due[j - 1]->due_; --j)
            std::swap(due[j], due[j - 1]);
    for (Timer* t : due) {
        if (halted_) return;
        // An earlier tick of this round may have stopped or restarted this timer.
        if (!t->enabled_ || t->due_ > now_) continue;
        Micros next = t->due_ + t->period();
        t->due_ = next > now_ ? next : now_ + t->period();
        if (t->onTick) t->onTick();
    }
}

void TimerService::advance(Micros dt) {
    const Micros target = now_ + dt;
    for (auto next = nextDue(); next && *next <= target; next = nextDue())
        fireDue(*next);
    now_ = std::max(now_, target);
}
