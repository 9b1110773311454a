old deps
