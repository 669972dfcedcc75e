// Simulated backend (to come).
