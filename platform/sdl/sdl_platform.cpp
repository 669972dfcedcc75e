// Desktop backend (to come).
