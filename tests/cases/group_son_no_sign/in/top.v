wire GROUP_a.SON(id 2);
